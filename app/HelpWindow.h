// The help window: the program's own Japanese pages on how to use it,
// opened at the contents page.
#pragma once

#include "core/AppContext.h"

#include <QDialog>

class QTextBrowser;

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // The contents page beside the program: ExeDir + "help/index.html".
    static QString contentsPage(const QString& exeDir);
    // Opens the window at the contents page, or reports a missing page.
    // Returns the window (kept and reused), or null when the page is missing.
    static HelpWindow* open(AppContext& ctx, QWidget* parent);

    QTextBrowser* browser() const { return browser_; }

private:
    explicit HelpWindow(QWidget* parent);
    QTextBrowser* browser_;
};
