#include "host_context.h"

HostContext& Host() {
    static HostContext host;
    return host;
}

void QuitWhenIdle() {
    HostContext& host = Host();
    if (host.scriptFinished && host.windows.Empty()) {
        PostQuitMessage(host.exitCode);
    }
}
