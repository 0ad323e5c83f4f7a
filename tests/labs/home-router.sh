#!/usr/bin/env bash
# A home network on one machine, for tests of hosting behind a router.
#
#   home-router.sh up PREFIX [cgnat]   make it; prints the addresses as shell assignments
#   home-router.sh down PREFIX         remove it (safe to call twice)
#
# Three network namespaces, joined by veth pairs, dual-stack:
#
#   PREFIX-lan     192.168.77.2/24 and 2001:db8:77::2/64, default routes via the router
#                  (the player who hosts)
#   PREFIX-router  192.168.77.1 and 2001:db8:77::1 on the LAN side; 11.22.33.1/24 and
#                  2001:db8:33::1/64 on the internet side. Forwards with nftables: IPv4 is
#                  masqueraded, IPv6 is routed but inbound connections are dropped, as home
#                  routers do. Runs miniupnpd: UPnP IGD (SSDP on the LAN side, HTTP port 5000
#                  on both families: http://192.168.77.1:5000 and http://[2001:db8:77::1]:5000)
#                  with IPv6 pinholes
#                  (WANIPv6FirewallControl), and NAT-PMP/PCP (UDP 5351). An IPv4 mapping it
#                  grants becomes a DNAT rule from 11.22.33.1:PORT to the LAN host; an IPv6
#                  pinhole an accept rule for the LAN host's own address.
#   PREFIX-wan     11.22.33.2/24 and 2001:db8:33::2/64  (a player somewhere on the internet)
#
# With "cgnat" the provider shares one IPv4 address among its customers (carrier-grade NAT):
#   PREFIX-cgn     between router and internet: 100.64.0.1/24 towards the router, 11.22.33.1/24
#                  towards the internet; masquerades IPv4 and forwards nothing inbound; routes
#                  IPv6 (2001:db8:64::/64 towards the router) untouched.
#   The router's outside address is then 100.64.0.2 (and 2001:db8:64::2): a UPnP or NAT-PMP
#   mapping still succeeds and names 100.64.0.2, but nobody on the internet can use it; only
#   IPv6 through a pinhole reaches the LAN host.
#
# Run programs inside with:  ip netns exec PREFIX-lan CMD ...
# Nothing from the internet side reaches the LAN unless a mapping exists, as at home.
# The router's log is /tmp/PREFIX-miniupnpd.log; its lease file /tmp/PREFIX-leases.
# Needs root, iproute2, nftables and miniupnpd-nftables (Debian 12). Choose a PREFIX of
# at most 6 characters that is unique per test run (interface names are limited to 15).
set -euo pipefail
cmd=${1:-}; p=${2:-}; mode=${3:-}
[[ -n "$cmd" && -n "$p" && ${#p} -le 6 ]] || { echo "usage: $0 up|down PREFIX [cgnat] (at most 6 characters)" >&2; exit 2; }
[[ -z "$mode" || "$mode" = cgnat ]] || { echo "usage: $0 up PREFIX [cgnat]" >&2; exit 2; }
lan=$p-lan; rtr=$p-router; wan=$p-wan; cgn=$p-cgn

down() {
  if [ -f "/tmp/$p-miniupnpd.pid" ]; then
    kill "$(cat "/tmp/$p-miniupnpd.pid")" 2>/dev/null || true
    rm -f "/tmp/$p-miniupnpd.pid"
  fi
  for ns in "$lan" "$rtr" "$wan" "$cgn"; do ip netns del "$ns" 2>/dev/null || true; done
  rm -f "/tmp/$p-miniupnpd.conf" "/tmp/$p-leases"
}

if [ "$cmd" = down ]; then down; exit 0; fi
[ "$cmd" = up ] || { echo "usage: $0 up|down PREFIX" >&2; exit 2; }
for tool in ip nft miniupnpd; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install iproute2 nftables miniupnpd-nftables)" >&2; exit 3; }
done
down
trap 'down' ERR

for ns in "$lan" "$rtr" "$wan"; do ip netns add "$ns"; ip -n "$ns" link set lo up; done
ip link add "$p-rl" type veth peer name "$p-l"
ip link set "$p-rl" netns "$rtr"; ip link set "$p-l" netns "$lan"
ip -n "$rtr" addr add 192.168.77.1/24 dev "$p-rl"; ip -n "$rtr" addr add 2001:db8:77::1/64 dev "$p-rl" nodad
ip -n "$rtr" link set "$p-rl" up
ip -n "$lan" addr add 192.168.77.2/24 dev "$p-l";  ip -n "$lan" addr add 2001:db8:77::2/64 dev "$p-l" nodad
ip -n "$lan" link set "$p-l" up
ip -n "$lan" route add default via 192.168.77.1;  ip -n "$lan" -6 route add default via 2001:db8:77::1
if [ "$mode" = cgnat ]; then
  # the provider's carrier-grade NAT between the home router and the internet
  ip netns add "$cgn"; ip -n "$cgn" link set lo up
  ip link add "$p-rw" type veth peer name "$p-cr"
  ip link add "$p-cw" type veth peer name "$p-w"
  ip link set "$p-rw" netns "$rtr"; ip link set "$p-cr" netns "$cgn"; ip link set "$p-cw" netns "$cgn"
  ip link set "$p-w" netns "$wan"
  ip -n "$rtr" addr add 100.64.0.2/24 dev "$p-rw"; ip -n "$rtr" addr add 2001:db8:64::2/64 dev "$p-rw" nodad
  ip -n "$cgn" addr add 100.64.0.1/24 dev "$p-cr"; ip -n "$cgn" addr add 2001:db8:64::1/64 dev "$p-cr" nodad
  ip -n "$cgn" addr add 11.22.33.1/24 dev "$p-cw"; ip -n "$cgn" addr add 2001:db8:33::1/64 dev "$p-cw" nodad
  for l in "$p-cr" "$p-cw"; do ip -n "$cgn" link set "$l" up; done
  ip -n "$rtr" link set "$p-rw" up
  ip -n "$rtr" route add default via 100.64.0.1;   ip -n "$rtr" -6 route add default via 2001:db8:64::1
  ip -n "$cgn" -6 route add 2001:db8:77::/64 via 2001:db8:64::2
  ip netns exec "$cgn" sysctl -qw net.ipv4.ip_forward=1 net.ipv6.conf.all.forwarding=1
  ip netns exec "$cgn" nft -f - <<EOF
table ip cgnat {
  chain forward {
    type filter hook forward priority 0; policy drop;
    ct state established,related accept
    iifname "$p-cr" accept
  }
  chain post {
    type nat hook postrouting priority srcnat;
    oifname "$p-cw" masquerade
  }
}
EOF
  outside4=100.64.0.2
else
  ip link add "$p-rw" type veth peer name "$p-w"
  ip link set "$p-rw" netns "$rtr"; ip link set "$p-w" netns "$wan"
  ip -n "$rtr" addr add 11.22.33.1/24 dev "$p-rw"; ip -n "$rtr" addr add 2001:db8:33::1/64 dev "$p-rw" nodad
  ip -n "$rtr" link set "$p-rw" up
  outside4=11.22.33.1
fi
ip -n "$wan" addr add 11.22.33.2/24 dev "$p-w";    ip -n "$wan" addr add 2001:db8:33::2/64 dev "$p-w" nodad
ip -n "$wan" link set "$p-w" up
ip -n "$wan" route add default via 11.22.33.1;     ip -n "$wan" -6 route add default via 2001:db8:33::1
ip netns exec "$rtr" sysctl -qw net.ipv4.ip_forward=1 net.ipv6.conf.all.forwarding=1

# The chains miniupnpd fills (its defaults: table inet filter; chains miniupnpd,
# prerouting_miniupnpd, postrouting_miniupnpd), and the router's own NAT and policy.
ip netns exec "$rtr" nft -f - <<EOF
table inet filter {
  chain forward {
    type filter hook forward priority 0; policy drop;
    ct state established,related accept
    jump miniupnpd
    iifname "$p-rl" accept
  }
  chain miniupnpd { }
  chain prerouting_miniupnpd { type nat hook prerouting priority dstnat; policy accept; }
  chain postrouting_miniupnpd { type nat hook postrouting priority srcnat; policy accept; }
}
table ip masq {
  chain post {
    type nat hook postrouting priority srcnat;
    oifname "$p-rw" masquerade
  }
}
EOF

# No ipv6_listening_ip: with it, miniupnpd binds its HTTP socket to that IPv6
# address alone and a control point on the IPv4 side gets no answer. Without
# it, the socket takes both families on the LAN interface, and miniupnpd finds
# the interface's global IPv6 address for its descriptions by itself.
cat > "/tmp/$p-miniupnpd.conf" <<EOF
ext_ifname=$p-rw
ext_ifname6=$p-rw
listening_ip=$p-rl
port=5000
enable_natpmp=yes
enable_upnp=yes
secure_mode=yes
system_uptime=yes
lease_file=/tmp/$p-leases
uuid=3d3cec3a-8cf0-11e0-98ee-$(printf '%012x' $$)
allow 1024-65535 192.168.77.0/24 1024-65535
deny 0-65535 0.0.0.0/0 0-65535
EOF
ip netns exec "$rtr" miniupnpd -f "/tmp/$p-miniupnpd.conf" -P "/tmp/$p-miniupnpd.pid" -d \
  >"/tmp/$p-miniupnpd.log" 2>&1 &
for _ in $(seq 50); do
  ip netns exec "$rtr" bash -c 'exec 3<>/dev/tcp/192.168.77.1/5000' 2>/dev/null && break
  sleep 0.1
done
trap - ERR
cat <<EOF
LAN_NS=$lan
ROUTER_NS=$rtr
WAN_NS=$wan
LAN_HOST=192.168.77.2
LAN_HOST6=2001:db8:77::2
ROUTER_LAN=192.168.77.1
ROUTER_LAN6=2001:db8:77::1
ROUTER_OUTSIDE=$outside4
PUBLIC_ADDRESS=11.22.33.1
WAN_HOST=11.22.33.2
WAN_HOST6=2001:db8:33::2
EOF
