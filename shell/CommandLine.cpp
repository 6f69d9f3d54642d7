#include "CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace shell {
namespace {

// The GUI library's own options (it takes them out of the arguments later).
// They are accepted here, unlisted, so that e.g. `-platform offscreen` keeps
// working; the second list takes a value.
const QStringList kToolkitSwitches = {u"reverse"_s, u"sync"_s, u"nograb"_s, u"dograb"_s};
const QStringList kToolkitValues = {u"platform"_s,
                                    u"platformpluginpath"_s,
                                    u"platformtheme"_s,
                                    u"plugin"_s,
                                    u"qwindowgeometry"_s,
                                    u"qwindowicon"_s,
                                    u"qwindowtitle"_s,
                                    u"session"_s,
                                    u"display"_s,
                                    u"geometry"_s,
                                    u"style"_s,
                                    u"stylesheet"_s,
                                    u"name"_s,
                                    u"title"_s};

void addToolkitOptions(QCommandLineParser& parser) {
    for (const QString& name : kToolkitSwitches) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString& name : kToolkitValues) {
        QCommandLineOption option(name, QString(), u"value"_s);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

struct Options {
    QCommandLineOption help{{u"h"_s, u"help"_s}, u"Show this help and exit."_s};
    QCommandLineOption version{{u"v"_s, u"version"_s}, u"Show the version and exit."_s};
    QCommandLineOption find{u"find"_s,
                            u"Print what the search finds for <query>, one tab-separated line per "
                            "result (kind, tree key, title, poet, snippet), and exit."_s,
                            u"query"_s};
    QCommandLineOption findLimit{u"find-limit"_s,
                                 u"Print at most <n> lines for --find (100 unless given)."_s,
                                 u"n"_s};
    // Options for the window itself are declared here, added to the parser
    // next to these two and read at the end of parseCommandLine().
};

QString helpText(const QCommandLineParser& parser, const QString& program) {
    // Without an application object the parser cannot know the program's
    // name; the name it is started by is the one to show.
    QString text = parser.helpText();
    text.replace(u"<executable_name>"_s, program);
    return text;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const QString program =
        arguments.isEmpty() ? u"quillora"_s : QFileInfo(arguments.first()).fileName();
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        u"Vellumbra, a reader of classical Chinese literature: Tang poems, Song lyrics,\n"
        "Yuan songs, idiom stories and the table of Chinese dynasties and eras."_s);
    const Options options;
    parser.addOption(options.help);
    parser.addOption(options.version);
    parser.addOption(options.find);
    parser.addOption(options.findLimit);
    addToolkitOptions(parser);

    CommandLine result;
    if (!parser.parse(arguments.isEmpty() ? QStringList{program} : arguments)) {
        err << program << u": "_s << parser.errorText() << u" Try '"_s << program
            << u" --help'.\n"_s;
        result.exitStatus = kUsageError;
    } else if (!parser.positionalArguments().isEmpty()) {
        err << program << u": Unexpected argument '"_s << parser.positionalArguments().first()
            << u"'. Try '"_s << program << u" --help'.\n"_s;
        result.exitStatus = kUsageError;
    } else if (parser.isSet(options.help)) {
        out << helpText(parser, program);
        result.exitStatus = 0;
    } else if (parser.isSet(options.version)) {
        out << u"Quillora " QUILLORA_VERSION "\n"_s;
        result.exitStatus = 0;
    }
    // The window's own options are read into `result` here.
    if (!result.exitStatus && parser.isSet(options.findLimit)) {
        bool ok = false;
        result.findLimit = parser.value(options.findLimit).toInt(&ok);
        if (!ok || result.findLimit < 1) {
            err << program << u": --find-limit needs a whole number of 1 or more, not '"_s
                << parser.value(options.findLimit) << u"'.\n"_s;
            result.exitStatus = kUsageError;
        }
    }
    if (!result.exitStatus && parser.isSet(options.find))
        result.findQuery = parser.value(options.find);
    return result;
}

CommandLine parseCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return parseCommandLine(arguments, out, err);
}

} // namespace shell
