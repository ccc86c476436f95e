#pragma once
// The commands of tessella-cli. Each takes its own arguments (after the command name) and
// answers the exit status: 0 done, 1 failure (message on standard error), 2 bad usage.

#include <QStringList>

namespace tessella::cli {

int InfoCommand(const QStringList& args);
int ConvertCommand(const QStringList& args);
int PackCommand(const QStringList& args);
int ExtractCommand(const QStringList& args);
int ExportCommand(const QStringList& args);
int OpCommand(const QStringList& args);
int PrintCommand(const QStringList& args);
int ContactSheetCommand(const QStringList& args);

// Prints text and a line break on standard error / standard output (UTF-8).
void PrintError(const QString& text);
void PrintOut(const QString& text);

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

}  // namespace tessella::cli
