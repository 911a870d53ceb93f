#include "platform/HelpViewer.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

static void ensureHelpResource() {
    Q_INIT_RESOURCE(help);
}

namespace platform {

namespace {
constexpr int HelpContents = 3;
QString builtInHelp() {
    ensureHelpResource();
    QFile file(QStringLiteral(":/help/KELVON.HLP"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

QString MissingHelpSentence(const QString& path) {
    return QStringLiteral("The help file %1 was not found; this is the copy built into Kelvon.")
        .arg(path);
}

HelpViewer::HelpViewer() {
    setWindowTitle(QStringLiteral("Kelvon Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser = new QTextBrowser(this);
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
    QFile file(path);
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly)) {
        m_notice.clear();
        m_browser->setSearchPaths({QFileInfo(path).absolutePath()});
        m_browser->setHtml(QString::fromLocal8Bit(file.readAll()));
    } else {
        m_notice = MissingHelpSentence(path);
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
