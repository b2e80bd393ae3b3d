#pragma once

#include "wizard/DownloadRun.h"

#include <functional>

namespace valtrane::link {
class Communication;
class SerialControl;
}

namespace valtrane::cli {

struct CliContext;

// A download on the terminal: what the desktop program reads and checks at start-up, the download
// run on the given serial control, its status texts printed as they change, then the outcome and
// the table list. Ctrl-C is the wizard's "Done" button in a continuous download and
// closes the wizard (abort) otherwise; a second Ctrl-C always aborts. "Done" takes effect between
// tests, as the wizard's button, which is enabled only then.
class DownloadSession {
public:
    DownloadSession(CliContext &context, link::SerialControl &control);

    // The answer to the Vibrastat question: 1200 or 4800, or 0 to ask on the terminal when there
    // is one (1200 when there is none).
    void setStiffnessBaud(int baud) { m_stiffnessBaud = baud; }
    void setCapturing(bool capturing) { m_capturing = capturing; }
    // Lets the caller set up the link (clock, end of a replay) before the download starts.
    void setPrepare(std::function<void(link::Communication &)> prepare) { m_prepare = std::move(prepare); }

    // The exit code: 0 when the download succeeded.
    int run(const wizard::DownloadChoice &choice);

private:
    void bindOutput(wizard::DownloadRun &run);
    int report(bool succeeded, const wizard::DownloadRun &run);

    CliContext &m_context;
    link::SerialControl &m_control;
    int m_stiffnessBaud = 0;
    bool m_capturing = true;
    std::function<void(link::Communication &)> m_prepare;
};

} // namespace valtrane::cli
