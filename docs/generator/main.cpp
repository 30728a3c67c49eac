// kalvo-helpgen: turns the manual's HTML chapters and the programs' SVG pictures into
// the help document that F1 opens. Run at build time (QT_QPA_PLATFORM=offscreen).

#include "help_book.h"
#include "help_source.h"
#include "svg_image_handler.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <optional>

namespace {

std::optional<kalvo::HelpSource> readSource(const QString& styleSheetPath, const QStringList& htmlPaths,
                                            QTextStream& err)
{
    kalvo::HelpSource source;
    const std::optional<QString> styleSheet = kalvo::readTextFile(styleSheetPath);
    if (!styleSheet) {
        err << "kalvo-helpgen: cannot read " << styleSheetPath << '\n';
        return std::nullopt;
    }
    source.styleSheet = *styleSheet;
    for (qsizetype index = 0; index < htmlPaths.size(); ++index) {
        const std::optional<QString> html = kalvo::readTextFile(htmlPaths[index]);
        if (!html) {
            err << "kalvo-helpgen: cannot read " << htmlPaths[index] << '\n';
            return std::nullopt;
        }
        if (index == 0)
            source.titlePage = *html;
        else
            source.chapters.append(*html);
    }
    return source;
}

// Pictures that are not (yet) there are left out, with a warning, so the manual still builds.
void leaveOutMissingPictures(kalvo::HelpSource& source, kalvo::SvgImageHandler& pictures, QTextStream& err)
{
    const QString all = source.titlePage + source.chapters.join(QString());
    for (const QString& name : kalvo::pictureReferences(all)) {
        if (pictures.canDraw(name))
            continue;
        err << "kalvo-helpgen: warning: picture " << name << " is missing; left out\n";
        source.titlePage = kalvo::withoutPicture(source.titlePage, name);
        for (QString& chapter : source.chapters)
            chapter = kalvo::withoutPicture(chapter, name);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Builds the Kalvo help document from its HTML chapters."));
    parser.addHelpOption();
    const QCommandLineOption output(QStringLiteral("output"), QStringLiteral("The PDF to write."),
                                    QStringLiteral("file"));
    const QCommandLineOption pictures(QStringLiteral("pictures"),
                                      QStringLiteral("Directory the <img> sources are relative to."),
                                      QStringLiteral("directory"));
    const QCommandLineOption style(QStringLiteral("stylesheet"), QStringLiteral("The CSS style sheet."),
                                   QStringLiteral("file"));
    const QCommandLineOption title(QStringLiteral("title"), QStringLiteral("Title of the document."),
                                   QStringLiteral("text"), QStringLiteral("Kalvo Manual"));
    parser.addOptions({output, pictures, style, title});
    parser.addPositionalArgument(QStringLiteral("title-page"), QStringLiteral("HTML of the title page."));
    parser.addPositionalArgument(QStringLiteral("chapters"), QStringLiteral("HTML of the chapters, in order."),
                                 QStringLiteral("chapter..."));
    parser.process(application);

    const QStringList htmlPaths = parser.positionalArguments();
    if (!parser.isSet(output) || !parser.isSet(pictures) || !parser.isSet(style) || htmlPaths.size() < 2) {
        err << "kalvo-helpgen: need --output, --pictures, --stylesheet, a title page and at least one chapter\n";
        return 2;
    }
    std::optional<kalvo::HelpSource> source = readSource(parser.value(style), htmlPaths, err);
    if (!source)
        return 1;

    kalvo::SvgImageHandler pictureHandler{QDir(parser.value(pictures))};
    leaveOutMissingPictures(*source, pictureHandler, err);
    const QString failure = kalvo::writeHelpPdf(*source, pictureHandler, parser.value(title), parser.value(output));
    if (!failure.isEmpty()) {
        err << "kalvo-helpgen: " << failure << '\n';
        return 1;
    }
    return 0;
}
