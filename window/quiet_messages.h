#pragma once

// The program reports nothing: while an instance lives, every Qt message is
// dropped. While the window is being opened a fatal message means that no
// window can be shown, and the process ends at once with exit code 0.

#include <QtGlobal>

namespace palette {

class QuietMessages {
public:
    QuietMessages();
    ~QuietMessages();
    QuietMessages(const QuietMessages&) = delete;
    QuietMessages& operator=(const QuietMessages&) = delete;

    void SetExitOnFatal(bool exit);

private:
    QtMessageHandler m_previous = nullptr;
};

} // namespace palette
