#include "window/quiet_messages.h"

#include <atomic>
#include <cstdlib>

namespace palette {
namespace {

// Messages may come from Qt's own threads.
std::atomic<bool> exitOnFatal = false;

void DropMessage(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type == QtFatalMsg && exitOnFatal.load())
        std::_Exit(0);
}

} // namespace

QuietMessages::QuietMessages()
    : m_previous(qInstallMessageHandler(DropMessage))
{
}

QuietMessages::~QuietMessages()
{
    exitOnFatal = false;
    qInstallMessageHandler(m_previous);
}

void QuietMessages::SetExitOnFatal(bool exit)
{
    exitOnFatal = exit;
}

} // namespace palette
