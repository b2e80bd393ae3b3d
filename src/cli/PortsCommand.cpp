#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "link/ComPortMap.h"
#include "link/Communication.h"
#include "link/PortScan.h"
#include "link/QtSerialControl.h"

namespace valtrane::cli {

int runPorts(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("ports"),
                     QStringLiteral("Probes COM1 to COM4 and shows which can take a gauge: the 4-character scan result "
                                    "(digit: available, m: modem, o: in use, x: unavailable) and the captions.\n"
                                    "Elsewhere than Windows, VALTRANE_COMn or info/ComPorts.vkt names the device of COMn."));
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    link::ComPortMap ports(context.paths);
    link::QtSerialControl control(ports);
    link::Communication communication(context.paths, context.state);
    communication.setComm_Object(&control);
    const QString scan = communication.AvailablePorts();
    context.out << scan << "\n";
    const QStringList captions = link::PortScan::captions(scan);
    for (int i = 0; i < captions.size(); ++i) {
        const QString device = ports.device(i + 1);
        context.out << captions.at(i);
        if (!device.isEmpty() && device != QStringLiteral("COM%1").arg(i + 1))
            context.out << " (" << device << ")";
        context.out << "\n";
    }
    return 0;
}

} // namespace valtrane::cli
