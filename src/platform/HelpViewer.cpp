#include "platform/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPointer>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <optional>

static void ensureHelpResource() {
    Q_INIT_RESOURCE(help);
}

namespace platform {

namespace {
constexpr int HelpContents = 3;
constexpr qint64 HelpFileLimit = 1024 * 1024;
QString builtInHelp() {
    ensureHelpResource();
    QFile file(QStringLiteral(":/help/KELVON.HLP"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The bytes of a regular file of at most HelpFileLimit; none for anything else. The read is
// bounded too: the file may have been replaced since it was looked at.
std::optional<QByteArray> readBounded(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > HelpFileLimit) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.read(HelpFileLimit + 1);
    if (bytes.size() > HelpFileLimit || file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

} // namespace

// The text browser reads any path a page names, a device such as /dev/zero or a file in any
// folder: pictures, style sheets and linked pages come from the help file's own folder only.
class HelpBrowser : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;
    QString folder; // canonical; empty for the built-in copy, which needs nothing

    QVariant loadResource(int type, const QUrl& name) override {
        // The document decodes data: itself.
        if (name.scheme() == QLatin1String("data")) return {};
        const auto bytes = read(name);
        if (type != QTextDocument::ImageResource) return bytes.value_or(QByteArray());
        // Decoded here: a picture that is refused or does not decode would otherwise be read
        // again by its name, from wherever it is.
        QImage image;
        if (bytes) image.loadFromData(*bytes);
        if (image.isNull()) {
            image = QImage(1, 1, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
        }
        return image;
    }

  private:
    std::optional<QByteArray> read(const QUrl& name) const {
        if (folder.isEmpty() || !(name.scheme().isEmpty() || name.isLocalFile())) return {};
        const QString path =
            name.isLocalFile() ? name.toLocalFile() : name.path(QUrl::FullyDecoded);
        if (path.isEmpty()) return {};
        // Canonical: a link out of the folder, or "..", leads elsewhere.
        const QString real = QFileInfo(QDir(folder).filePath(path)).canonicalFilePath();
        if (real.isEmpty() || QFileInfo(real).path() != folder) return {};
        return readBounded(real);
    }
};

QString MissingHelpSentence(const QString& path) {
    return QCoreApplication::translate(
               "HelpViewer", "The help file %1 was not found; this is the copy built into Kelvon.")
        .arg(path);
}

QString UnusableHelpSentence(const QString& path) {
    return QCoreApplication::translate("HelpViewer",
                                       "The help file %1 is not a file of at most 1 MiB; this is "
                                       "the copy built into Kelvon.")
        .arg(path);
}

HelpViewer::HelpViewer() {
    setWindowTitle(QCoreApplication::translate("HelpViewer", "Kelvon Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser = new HelpBrowser(this);
    m_browser->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(620, 640);
}

HelpViewer& HelpViewer::open(const QString& path, int command) {
    static QPointer<HelpViewer> viewer;
    if (!viewer) viewer = new HelpViewer;
    viewer->load(path, command);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return *viewer;
}

void HelpViewer::load(const QString& path, int command) {
    const auto bytes = readBounded(path);
    if (bytes) {
        m_notice.clear();
        m_browser->folder = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
        m_browser->setHtml(QString::fromLocal8Bit(*bytes));
    } else {
        m_notice = QFileInfo::exists(path) ? UnusableHelpSentence(path) : MissingHelpSentence(path);
        m_browser->folder.clear();
        m_browser->setHtml(QStringLiteral("<p><b>%1</b></p>").arg(m_notice.toHtmlEscaped()) +
                           builtInHelp());
    }
    // The cursor first: moving it scrolls to it.
    m_browser->moveCursor(QTextCursor::Start);
    m_anchor = command == HelpContents ? QStringLiteral("contents") : QString();
    if (!m_anchor.isEmpty()) m_browser->scrollToAnchor(m_anchor);
}

void HelpViewer::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A hidden browser has no final size to scroll in yet.
    if (!m_anchor.isEmpty()) m_browser->scrollToAnchor(m_anchor);
}

QString HelpViewer::shownText() const {
    return m_browser->toPlainText();
}
QString HelpViewer::notice() const {
    return m_notice;
}

} // namespace platform
