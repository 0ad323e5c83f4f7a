#pragma once

// Private to the router client: libnatpmp and miniupnpc and the calls the
// game makes of them. Both are loaded when a hosting copy first talks to its
// router, not with the program: a solo game or a joining copy never needs
// them, and they would add to the resident memory of every start. Each is
// used without the other where only one is installed.

#include "loadedlibrary.h"

#include <natpmp.h>
#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>
#include <miniupnpc/upnperrors.h>

#include <memory>

struct NatPmpCalls
{
    decltype(&::initnatpmp) initnatpmp = nullptr;
    decltype(&::sendnewportmappingrequest) sendnewportmappingrequest = nullptr;
    decltype(&::readnatpmpresponseorretry) readnatpmpresponseorretry = nullptr;
    decltype(&::getnatpmprequesttimeout) getnatpmprequesttimeout = nullptr;
    decltype(&::closenatpmp) closenatpmp = nullptr;
    decltype(&::sendpublicaddressrequest) sendpublicaddressrequest = nullptr;
};

// miniupnpc's UPNP_GetValidIGD took two more arguments (the outside
// address) in API 18, and its answers changed with them. The other calls
// used here keep their signatures from API 17 to 21. Each library is
// called only through the type of the API its file name says it has.
using GetValidIGDBefore18 = int (*)(UPNPDev *, UPNPUrls *, IGDdatas *, char *, int);
using GetValidIGDSince18 = int (*)(UPNPDev *, UPNPUrls *, IGDdatas *, char *, int, char *, int);

struct UpnpCalls
{
    std::unique_ptr<LoadedLibrary> library;
    int api = 0;
    decltype(&::upnpDiscoverDevice) upnpDiscoverDevice = nullptr;
    GetValidIGDBefore18 getValidIGDBefore18 = nullptr;
    GetValidIGDSince18 getValidIGDSince18 = nullptr;
    decltype(&::UPNP_GetIGDFromUrl) UPNP_GetIGDFromUrl = nullptr;
    decltype(&::freeUPNPDevlist) freeUPNPDevlist = nullptr;
    decltype(&::FreeUPNPUrls) FreeUPNPUrls = nullptr;
    decltype(&::UPNP_GetExternalIPAddress) UPNP_GetExternalIPAddress = nullptr;
    decltype(&::UPNP_AddPortMapping) UPNP_AddPortMapping = nullptr;
    decltype(&::UPNP_DeletePortMapping) UPNP_DeletePortMapping = nullptr;
    decltype(&::UPNP_GetSpecificPortMappingEntry) UPNP_GetSpecificPortMappingEntry = nullptr;
    decltype(&::UPNP_AddPinhole) UPNP_AddPinhole = nullptr;
    decltype(&::UPNP_UpdatePinhole) UPNP_UpdatePinhole = nullptr;
    decltype(&::UPNP_DeletePinhole) UPNP_DeletePinhole = nullptr;
    decltype(&::strupnperror) strupnperror = nullptr;
};

// Each library with all its calls, loaded at the first asking; null when it
// (or one of the calls) is missing. Of miniupnpc, the newest API installed.
const NatPmpCalls *loadNatPmp();
const UpnpCalls *loadUpnp();

// What UPNP_GetValidIGD found, the same for every API.
enum class UpnpGateway { None, Connected, PrivateOutside, Disconnected, OtherDevice };

// UPNP_GetValidIGD as the loaded library's API takes and answers it: fills
// `urls` and `data` for the gateway among `devices` and `lan` with this
// machine's address on its network.
UpnpGateway upnpValidGateway(const UpnpCalls &api, UPNPDev *devices, UPNPUrls &urls, IGDdatas &data, char *lan,
                             int lanSize);
