// The PIP connection record, shared by the PIP service code only.
#pragma once

#include "tv_service.h"

namespace picture {

// Holds the TV service objects of the PIP profile while the connection is
// open; the objects belong to the TV service and are never released here.
struct _tv_pip_service_info {
    IServiceNavigation *svc_navi_proxy_pip;
    IReferenceCount *ref_proxy;
    IUtil *util_proxy;
    TCServiceData svc_data;  // the service a channel step lands on
    int refcnt;              // 0 closed, 1 open
};

extern _tv_pip_service_info g_pip_svc_info;

}  // namespace picture
