#include "main/CommandLine.h"

#include "Version.h"

#include <QCommandLineParser>
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
    std::fprintf(stderr, "kelvon: %s\nTry 'kelvon --help' for more information.\n",
                 qUtf8Printable(what));
    return 2;
}

} // namespace

std::optional<int> ReadCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Kelvon: reminders and an alarm clock in the notification area.\n\n"
        "Kelvon keeps its 32 reminders and the chosen alert sound in Kelvo.dat, in the folder it\n"
        "is started in, and shows each reminder at its time in a clock window that stays on\n"
        "top. kelvon-launch starts it in the data folder, "
        "${XDG_DATA_HOME:-~/.local/share}/kelvon;\n"
        "a second start in the same folder shows the running copy's clock window."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(withoutQtOptions(arguments))) return refuse(parser.errorText());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Read before the application object exists, which is where Qt takes the name from.
        QString text = parser.helpText();
        text.replace(QLatin1String("<executable_name>"), QLatin1String("kelvon"));
        std::fputs(qUtf8Printable(text), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::fputs("Kelvon " KELVON_VERSION "\n", stdout);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("unexpected argument '%1'")
                          .arg(parser.positionalArguments().constFirst()));
    return std::nullopt;
}
