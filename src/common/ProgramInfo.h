#pragma once

#include <QString>

// The program's name and version as message boxes, the about box and the CLI show them.
namespace valtrane::program {

QString title();        // "Valtrane IR Download"
QString version();      // major.minor.revision
QString webAddress();   // the maker's web site, opened by the web link

} // namespace valtrane::program
