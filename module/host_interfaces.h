// The six host service interfaces: structures of delegates that the module
// fetches with queryObject and holds as CSharedPtr. The module calls some
// slots and fills others with its own delegates, overwriting the host's.
// Slots are in declaration order; that order is part of the contract.
#ifndef MODULE_HOST_INTERFACES_H
#define MODULE_HOST_INTERFACES_H

#include "foundation/fast_delegate.h"
#include "module/host_types.h"
#include "module/type_name.h"

namespace Tessaron {
class DisplayView;
}  // namespace Tessaron

namespace FerrinComponentInterface {

/// The delegate through which the host delivers device events:
/// (event text, binary data, data length in bytes).
using DeviceEventHandler = fastdelegate::FastDelegate3<const char*, const unsigned char*, int, void>;

struct IRemoteDeviceMgrSet {
    /// Filled by the display (customer "Lumacrest" only).
    fastdelegate::FastDelegate4<int, int, int, int, int> remoteNotify;
    /// (device id, request text, reply buffer, capacity, time-out) -> true
    /// when a zero-terminated reply is in the buffer.
    fastdelegate::FastDelegate5<unsigned, const char*, char*, int, int, bool> sendRequest;
    /// (device id, request text, reply buffer, capacity, event handler,
    /// time-out); the host copies the handler and calls it for each event.
    fastdelegate::FastDelegate6<unsigned, const char*, char*, int, const DeviceEventHandler*, int, bool>
        sendAttachRequest;
    /// (device id, request text, reply buffer, capacity, time-out).
    fastdelegate::FastDelegate5<unsigned, const char*, char*, int, int, bool> sendDetachRequest;
};

struct IDeviceManagerSet {
    /// The device of the event requests.
    fastdelegate::FastDelegate0<int> getDeviceID;
};

struct ICustomerInfoSet {
    fastdelegate::FastDelegate0<const char*> getScopeName;
    fastdelegate::FastDelegate0<const char*> getCustomerName;
};

struct IRealtimeStreamMgrSet {
    fastdelegate::FastDelegate2<int, int, void> handleRemoteNotify;
};

/// The window event operations the display copies whole and never calls.
using WinEventOp = fastdelegate::FastDelegate2<int, int, int>;

struct IWinEventManagerSet {
    WinEventOp winEventOpA;
    WinEventOp winEventOpB;
    fastdelegate::FastDelegate1<const NodeEvent*, void> dispatchNodeEvent;
};

struct IMultiNodeDisplayMgrSet {
    fastdelegate::FastDelegate4<int, int, int, int, bool> relayout;
    fastdelegate::FastDelegate0<int> nodeTotal;
    fastdelegate::FastDelegate0<bool> queryTrue;
    WinEventOp winEventOpA;
    WinEventOp winEventOpB;
    fastdelegate::FastDelegate0<Tessaron::DisplayView*> getDisplayView;
    fastdelegate::FastDelegate0<int> getLastViewId;
    fastdelegate::FastDelegate0<Rect> getDisplayRect;
    fastdelegate::FastDelegate0<void> enterFullscreen;
    fastdelegate::FastDelegate0<bool> exitFullscreen;
    /// (node count, 1)
    fastdelegate::FastDelegate2<int, int, void> nodesReady;
    /// (node index, 0)
    fastdelegate::FastDelegate2<int, int, void> nodeCreated;
    fastdelegate::FastDelegate2<int, int, bool> selectView;
    fastdelegate::FastDelegate2<int, int, int> viewIdAt;
    fastdelegate::FastDelegate0<int> selectedViewId;
    fastdelegate::FastDelegate0<int> selectedViewHandle;
    fastdelegate::FastDelegate1<int, int> viewHandle;
    fastdelegate::FastDelegate2<int, int, int> setViewValue;
    fastdelegate::FastDelegate2<int, bool, bool> showNodeImage;
    fastdelegate::FastDelegate2<int, int, bool> setViewValueFlag;
    fastdelegate::FastDelegate1<int, Rect> viewBounds;
    fastdelegate::FastDelegate1<int, Rect> viewAltBounds;
    fastdelegate::FastDelegate1<int, int> nodeIndexOf;
    fastdelegate::FastDelegate1<int, int> queryZero;
};

}  // namespace FerrinComponentInterface

TAMSEL_DECLARE_STRUCT_TYPE_NAME(FerrinComponentInterface::IRemoteDeviceMgrSet)
TAMSEL_DECLARE_STRUCT_TYPE_NAME(FerrinComponentInterface::IDeviceManagerSet)
TAMSEL_DECLARE_STRUCT_TYPE_NAME(FerrinComponentInterface::ICustomerInfoSet)
TAMSEL_DECLARE_STRUCT_TYPE_NAME(FerrinComponentInterface::IRealtimeStreamMgrSet)
TAMSEL_DECLARE_STRUCT_TYPE_NAME(FerrinComponentInterface::IWinEventManagerSet)
TAMSEL_DECLARE_STRUCT_TYPE_NAME(FerrinComponentInterface::IMultiNodeDisplayMgrSet)

#endif
