#pragma once
// The window's late-bound hold on the TrellAutoSize control: the plugin library is loaded
// from the program's directory only, the control is created by its programmatic name, and
// its members are called by dispatch identifier through the shared interface header alone.

#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>

class TrellControlFactory;

namespace bramlow {

inline constexpr const char* controlLibraryName = "libTrellAuto.so";

// Loads `<programDir>/libTrellAuto.so` and checks that it offers the control factory and
// names "TrellAuto.TrellAutoSize" in its metadata before any of its code runs. On failure
// returns nullptr and puts a German sentence on the cause into `cause`.
TrellControlFactory* loadControlFactory(const QString& programDir, QString& cause);

class AutoSizeControl {
public:
    // Creates the control on `form`. On failure returns nothing and sets `cause`.
    static std::optional<AutoSizeControl> create(const QString& programDir, QWidget* form,
                                                 QString& cause);

    QWidget* widget() const { return control_; }

    // Both return an empty value, which the host ignores; neither fails towards the host.
    void Init();
    void Sizechanged();

private:
    AutoSizeControl(TrellControlFactory* factory, QWidget* control);
    void call(qint32 dispId);

    TrellControlFactory* factory_;
    QPointer<QWidget> control_;
};

} // namespace bramlow
