#pragma once

#include <QDialog>

namespace platform {

class HelpBrowser;

// A small window that shows the help file, or the copy built into the program when the
// named file is missing.
class HelpViewer : public QDialog {
  public:
    static HelpViewer& open(const QString& path, int command);
    QString shownText() const;
    QString notice() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    HelpViewer();
    void load(const QString& path, int command);
    HelpBrowser* m_browser = nullptr;
    QString m_notice;
    QString m_anchor;
};

// The sentence shown above the built-in copy when the named help file is missing.
QString MissingHelpSentence(const QString& path);
// The same where it is there but is no regular file, or too large to show.
QString UnusableHelpSentence(const QString& path);

} // namespace platform
