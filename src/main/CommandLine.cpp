#include "main/CommandLine.h"

#include "Version.h"
#include "main/Language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {

// Options that QApplication takes out of the command line itself; they are not ours to refuse.
const char* const QtOptionsWithValue[] = {"platform",
                                          "platformpluginpath",
                                          "platformtheme",
                                          "plugin",
                                          "qmljsdebugger",
                                          "qwindowgeometry",
                                          "qwindowicon",
                                          "qwindowtitle",
                                          "session",
                                          "display",
                                          "geometry",
                                          "name",
                                          "title",
                                          "visual",
                                          "style",
                                          "stylesheet",
                                          "im",
                                          "ncols",
                                          "cmap"};
const char* const QtFlags[] = {"reverse", "widgetcount", "sync", "nograb", "dograb"};

bool isQtOption(const QString& word, const char* const* first, const char* const* last) {
    // Qt reads "-name" and "--name" alike.
    QString name = word;
    if (name.startsWith(QLatin1String("--")))
        name.remove(0, 2);
    else if (name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    else
        return false;
    name = name.section(QLatin1Char('='), 0, 0);
    for (const char* const* o = first; o != last; ++o)
        if (name == QLatin1String(*o)) return true;
    return false;
}

QStringList withoutQtOptions(const QStringList& arguments) {
    QStringList ours;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (i > 0 && isQtOption(a, std::begin(QtFlags), std::end(QtFlags))) continue;
        if (i > 0 && isQtOption(a, std::begin(QtOptionsWithValue), std::end(QtOptionsWithValue))) {
            if (!a.contains(QLatin1Char('='))) ++i; // its value
            continue;
        }
        ours << a;
    }
    return ours;
}

int refuse(const QString& what) {
    std::fprintf(stderr, "kelvon: %s\n%s\n", qUtf8Printable(what),
                 qUtf8Printable(QCoreApplication::translate(
                     "CommandLine", "Try 'kelvon --help' for more information.")));
    return 2;
}

// Reads the arguments; true where the program is to run without a word.
bool parse(QCommandLineParser& parser, const QStringList& arguments) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Kelvon: reminders and an alarm clock in the notification area.\n\n"
        "Kelvon keeps its 32 reminders and the chosen alert sound in Kelvo.dat, in the folder it\n"
        "is started in, and shows each reminder at its time in a clock window that stays on\n"
        "top. kelvon-launch starts it in the data folder, "
        "${XDG_DATA_HOME:-~/.local/share}/kelvon;\n"
        "a second start in the same folder shows the running copy's clock window."));
    parser.addHelpOption();
    parser.addVersionOption();
    return parser.parse(withoutQtOptions(arguments)) && !parser.isSet(QStringLiteral("help")) &&
           !parser.isSet(QStringLiteral("help-all")) && !parser.isSet(QStringLiteral("version")) &&
           parser.positionalArguments().isEmpty();
}

} // namespace

std::optional<int> ReadCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (QCommandLineParser quiet; parse(quiet, arguments)) return std::nullopt;
    // Something to say, in the user's language: the translations need an application object,
    // which only this rare path pays for.
    // Named "kelvon" whatever path started it: the usage line says how to call it.
    char name[] = "kelvon";
    char* names[] = {name, nullptr};
    int count = 1;
    const QCoreApplication speaking(count, names);
    LoadTranslations();
    QCommandLineParser parser;
    if (!parse(parser, arguments) && !parser.errorText().isEmpty())
        return refuse(parser.errorText());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qUtf8Printable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::fputs("Kelvon " KELVON_VERSION "\n", stdout);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(QCoreApplication::translate("CommandLine", "unexpected argument '%1'")
                          .arg(parser.positionalArguments().constFirst()));
    return std::nullopt;
}
