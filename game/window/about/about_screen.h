#pragma once
// The about screen frmSplash: logo, name, version and platform line. Opened without
// blocking; any character key, a click on its frame or its button closes it, and the
// main window is then repainted and brought to the front.

#include <QDialog>
#include <QPointer>

namespace bramlow {

class AboutScreen : public QDialog {
    Q_OBJECT
public:
    // `mainWindow` is repainted and raised whenever the screen closes; it may be gone by
    // then (closed with its close box), which the screen's owner handles through the
    // closed() signal.
    AboutScreen(const QString& programDir, QWidget* mainWindow);

signals:
    void closed();

    // (the rest is the about screen's own business)
};

} // namespace bramlow
