#pragma once
// The about screen frmSplash: logo, name, version and platform line. Opened without
// blocking; any character key, a click on its frame or its button closes it, and the
// main window is then repainted and brought to the front.
//
// Created anew for each opening and deleted when it closes (WA_DeleteOnClose). It is a
// window of its own, never a child of the main window: closing the main window leaves
// it open and the program running.

#include <QDialog>
#include <QPointer>

class QKeyEvent;

namespace bramlow {

class AboutScreen : public QDialog {
    Q_OBJECT
public:
    // `mainWindow` is repainted and raised whenever the screen closes; it may be gone by
    // then (closed with its close box), which the screen's owner handles through the
    // closed() signal.
    AboutScreen(const QString& programDir, QWidget* mainWindow);

    // Accepting or rejecting (Escape, for one) closes through the same path as every
    // other way out.
    void done(int result) override;

signals:
    // Emitted once, when the screen closes by whatever means.
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void Form_Load(const QString& programDir);
    // Closes the screen if the key produces a character; returns whether it did.
    bool Form_KeyPress(const QKeyEvent& event);
    void Command1_Click();
    void Form_Unload();
    void bringBackMainWindow();

    QPointer<QWidget> mainWindow_;
    bool unloaded_ = false;
};

} // namespace bramlow
