#pragma once

#include "cli/exitcodes.h"
#include "platform/console.h"
#include "settings/productinfo.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

// What a program's command line asks for: a run with `options`, or its help,
// its version, or nothing it can understand (`text` says what, or holds the help).
template <typename Options>
struct ParsedArguments
{
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::UsageError;
    Options options;
    QString text;
};

// Help, version and a wrong command line, answered as each of our programs
// answers them; nothing when the options are to be run.
template <typename Options>
std::optional<int> answerWithoutRunning(const ParsedArguments<Options> &parsed, const QByteArray &program)
{
    using Action = typename ParsedArguments<Options>::Action;
    switch (parsed.action) {
    case Action::Help:
        Console::writeAll(Console::Stream::Output, parsed.text.toUtf8());
        return ExitCode::Counted;
    case Action::Version:
        Console::writeAll(Console::Stream::Output, program + " (" + ProductInfo::kVersionLine + ")\n");
        return ExitCode::Counted;
    case Action::UsageError: {
        const QString hint = QCoreApplication::translate("ParsedArguments", "Try '%1 --help' for more information.")
                                     .arg(QString::fromUtf8(program));
        Console::writeAll(Console::Stream::Error, program + ": " + parsed.text.toUtf8() + '\n' + hint.toUtf8() + '\n');
        return ExitCode::Usage;
    }
    case Action::Run:
        break;
    }
    return std::nullopt;
}
