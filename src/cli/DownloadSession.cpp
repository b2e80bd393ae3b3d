#include "cli/DownloadSession.h"

#include "cli/CliContext.h"
#include "cli/InterruptCounter.h"
#include "cli/TerminalPrompter.h"
#include "common/ProgramInfo.h"
#include "common/StatusCode.h"
#include "db/StartupChecks.h"
#include "link/Communication.h"
#include "report/InfoFile.h"

#include <QCoreApplication>

namespace valtrane::cli {

namespace {

// Answers the Vibrastat question from the command line; every other question goes to the terminal.
class StiffnessBaudPrompter : public Prompter {
public:
    StiffnessBaudPrompter(Prompter &terminal, int baud)
        : m_terminal(terminal)
        , m_baud(baud)
    {
    }

    Answer ask(const QString &text, const QString &title, Buttons buttons, Icon icon) override
    {
        if (title == wizard::DownloadRun::vibrastatTitle()) {
            if (m_baud == 1200)
                return Answer::Yes;
            if (m_baud == 4800)
                return Answer::No;
            // Nobody at a terminal to ask: current gauges (and updated ones) talk at 1200 baud.
            if (!TerminalPrompter::standardInputIsTerminal())
                return Answer::Yes;
        }
        return m_terminal.ask(text, title, buttons, icon);
    }

private:
    Prompter &m_terminal;
    int m_baud;
};

} // namespace

DownloadSession::DownloadSession(CliContext &context, link::SerialControl &control)
    : m_context(context)
    , m_control(control)
{
}

void DownloadSession::bindOutput(wizard::DownloadRun &run)
{
    QTextStream &out = m_context.out;
    QObject::connect(&run, &wizard::DownloadRun::statusShown, [&out](int, const QString &text, const QString &) {
        out << "Status: " << text.trimmed() << "\n";
        out.flush();
    });
    QObject::connect(&run, &wizard::DownloadRun::timePanelText, [&out](const QString &text) {
        out << text.trimmed() << "\n";
        out.flush();
    });
}

int DownloadSession::run(const wizard::DownloadChoice &choice)
{
    // The success ending writes the report information back whole with the new root caption, so
    // the lab's information has to be read first, as the desktop program does at start-up.
    report::InfoFile::read(m_context.paths, m_context.state);
    const QString message = db::StartupChecks::run(m_context.paths, m_context.state);
    if (!message.isEmpty())
        m_context.prompter.tell(message, program::title());

    const bool continuous = wizard::DownloadRun::linkSettings(choice.modelIndex, choice.downloadType == 1).continuous;
    link::Communication comm(m_context.paths, m_context.state);
    InterruptCounter interrupts;
    int handled = 0;
    bool done = false;
    bool waiting = true;
    QTextStream &out = m_context.out;
    comm.setYield([&] {
        QCoreApplication::processEvents();
        if (interrupts.count() > handled) {
            handled = interrupts.count();
            if (handled == 1 && continuous) {
                done = true;
                out << "Done: the download ends when the current test is complete (Ctrl-C again aborts)\n";
            } else {
                comm.Abort_Download = true;
                out << "Aborting the download\n";
            }
            out.flush();
        }
        // Like the wizard's "Done" button, which works only between tests.
        if (done && comm.Between_Tests)
            comm.Stop_Download = true;
        if (comm.Between_Tests != waiting) {
            waiting = comm.Between_Tests;
            out << (waiting ? "Waiting to recieve data from Gauge\n" : "Recieving Information from Gauge\n");
            out.flush();
        }
    });
    if (m_prepare)
        m_prepare(comm);

    StiffnessBaudPrompter prompter(m_context.prompter, m_stiffnessBaud);
    wizard::DownloadRun run(m_context.paths, m_context.state, comm, m_control, prompter);
    run.setCapturing(m_capturing);
    bindOutput(run);
    const bool succeeded = run.start(choice);
    return report(succeeded, run);
}

int DownloadSession::report(bool succeeded, const wizard::DownloadRun &run)
{
    const AppState &state = m_context.state;
    QTextStream &out = m_context.out;
    out << "LastStatus: " << state.LastStatus << " (" << status::meaning(state.LastStatus) << ")\n";
    out << "DeviceCode: " << state.DeviceCode << "\n";
    out << "Table_List: " << state.Table_List << "\n";
    if (!run.capturePath().isEmpty())
        out << "Capture: " << run.capturePath() << "\n";
    out.flush();
    if (succeeded)
        return 0;
    return m_context.fail(QStringLiteral("the download did not succeed"), state.LastStatus);
}

} // namespace valtrane::cli
