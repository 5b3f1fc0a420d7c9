#pragma once
// The laps window of a timer window: every lap of the run in a table (lap,
// lap time, split), the fastest and the slowest marked in words, following
// the run as it goes. Ctrl+C copies the selected laps, or all, as
// tab-separated text; "Save..." writes them as CSV.
#include <QWidget>

class QLabel;
class QTableView;
namespace core {
class Laps;
}
namespace platform {
class Dialogs;
}
class LapsModel;

class LapsWindow final : public QWidget {
    Q_OBJECT
public:
    // A window of its own that belongs to `timerWindow` and closes with it.
    LapsWindow(QWidget& timerWindow, const core::Laps& laps, platform::Dialogs& dialogs);

    // Brings the table up to the laps: new laps are added and shown, a new
    // run starts the table anew. Cheap when nothing changed, as on each tick.
    void follow();
    // The title names the timer window's I.D.
    void setIdentification(const QString& identification);

    // The selected laps, or all, to the clipboard.
    void copy();
    // Asks where, and writes every lap there as CSV; says why when it cannot.
    void save();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const core::Laps& laps_;
    platform::Dialogs& dialogs_;
    LapsModel* model_;
    QTableView* view_;
    QLabel* note_;
};
