#include "routerlibraries.h"

#include <utility>

const NatPmpCalls *loadNatPmp()
{
    static const NatPmpCalls *const loaded = []() -> const NatPmpCalls * {
        static const LoadedLibrary natpmp("libnatpmp.so.1");
        static NatPmpCalls calls;
        const bool complete = natpmp.bind(calls.initnatpmp, "initnatpmp")
                              && natpmp.bind(calls.sendnewportmappingrequest, "sendnewportmappingrequest")
                              && natpmp.bind(calls.readnatpmpresponseorretry, "readnatpmpresponseorretry")
                              && natpmp.bind(calls.getnatpmprequesttimeout, "getnatpmprequesttimeout")
                              && natpmp.bind(calls.closenatpmp, "closenatpmp")
                              && natpmp.bind(calls.sendpublicaddressrequest, "sendpublicaddressrequest");
        return complete ? &calls : nullptr;
    }();
    return loaded;
}

namespace {

// The names distributions ship miniupnpc under (its API version is the
// number after ".so."), newest first.
constexpr std::pair<const char *, int> UpnpLibraryNames[] = {
    {"libminiupnpc.so.21", 21}, {"libminiupnpc.so.20", 20}, {"libminiupnpc.so.19", 19},
    {"libminiupnpc.so.18", 18}, {"libminiupnpc.so.17", 17},
};

} // namespace

const UpnpCalls *loadUpnp()
{
    static const UpnpCalls *const loaded = []() -> const UpnpCalls * {
        static UpnpCalls calls;
        for (const auto &[name, api] : UpnpLibraryNames) {
            auto library = std::make_unique<LoadedLibrary>(name);
            if (!library->loaded())
                continue;
            const LoadedLibrary &upnp = *library;
            const bool igd = api >= 18 ? upnp.bind(calls.getValidIGDSince18, "UPNP_GetValidIGD")
                                       : upnp.bind(calls.getValidIGDBefore18, "UPNP_GetValidIGD");
            const bool complete = igd && upnp.bind(calls.upnpDiscoverDevice, "upnpDiscoverDevice")
                                  && upnp.bind(calls.UPNP_GetIGDFromUrl, "UPNP_GetIGDFromUrl")
                                  && upnp.bind(calls.freeUPNPDevlist, "freeUPNPDevlist")
                                  && upnp.bind(calls.FreeUPNPUrls, "FreeUPNPUrls")
                                  && upnp.bind(calls.UPNP_GetExternalIPAddress, "UPNP_GetExternalIPAddress")
                                  && upnp.bind(calls.UPNP_AddPortMapping, "UPNP_AddPortMapping")
                                  && upnp.bind(calls.UPNP_DeletePortMapping, "UPNP_DeletePortMapping")
                                  && upnp.bind(calls.UPNP_GetSpecificPortMappingEntry, "UPNP_GetSpecificPortMappingEntry")
                                  && upnp.bind(calls.UPNP_AddPinhole, "UPNP_AddPinhole")
                                  && upnp.bind(calls.UPNP_UpdatePinhole, "UPNP_UpdatePinhole")
                                  && upnp.bind(calls.UPNP_DeletePinhole, "UPNP_DeletePinhole")
                                  && upnp.bind(calls.strupnperror, "strupnperror");
            if (!complete)
                return nullptr;
            calls.library = std::move(library);
            calls.api = api;
            return &calls;
        }
        return nullptr;
    }();
    return loaded;
}

UpnpGateway upnpValidGateway(const UpnpCalls &api, UPNPDev *devices, UPNPUrls &urls, IGDdatas &data, char *lan,
                             int lanSize)
{
    if (api.api >= 18) {
        char wan[64] = {};
        switch (api.getValidIGDSince18(devices, &urls, &data, lan, lanSize, wan, sizeof wan)) {
        case 0: return UpnpGateway::None;
        case 1: return UpnpGateway::Connected;
        case 2: return UpnpGateway::PrivateOutside;
        case 3: return UpnpGateway::Disconnected;
        default: return UpnpGateway::OtherDevice;
        }
    }
    switch (api.getValidIGDBefore18(devices, &urls, &data, lan, lanSize)) {
    case 0: return UpnpGateway::None;
    case 1: return UpnpGateway::Connected;
    case 2: return UpnpGateway::Disconnected;
    default: return UpnpGateway::OtherDevice;
    }
}
