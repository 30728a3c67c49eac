#pragma once

#include <QStringList>
#include <QTextStream>

namespace kalvo {

// kalvo-cli: prints what a window would show, for scripting. args excludes the
// program name. Returns the process exit code: 0 success, 1 failure, 2 bad usage.
int runCli(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace kalvo
