// The laps window: a table model over the stopwatch's laps (core/laps.h) and
// its view, the copy and the save.
#include "laps.h"

#include "core/laps.h"
#include "core/message.h"
#include "core/timingrecord.h"
#include "frmStopwatch.h"
#include "platform/dialogs.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QClipboard>
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>
#include <vector>

namespace {
constexpr int kColumns = 3; // lap, lap time, split
} // namespace

// The laps as rows. It keeps how many rows the view knows, so that a new lap
// is one inserted row and the marks move with two changed rows.
class LapsModel final : public QAbstractTableModel {
public:
    LapsModel(const core::Laps& laps, QObject* parent) : QAbstractTableModel(parent), laps_(laps) {}

    [[nodiscard]] int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : rows_;
    }
    [[nodiscard]] int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : kColumns;
    }

    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
            return {};
        }
        return header(section);
    }

    static QString header(int section) {
        switch (section) {
        case 0:
            return LapsWindow::tr("Lap");
        case 1:
            return LapsWindow::tr("Lap time");
        default:
            return LapsWindow::tr("Split");
        }
    }

    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rows_) {
            return {};
        }
        const core::Lap lap = laps_.row(index.row());
        const QString mark = markOf(index.row());
        switch (role) {
        case Qt::DisplayRole:
            if (index.column() == 0) {
                const QString number =
                    lap.summary() ? LapsWindow::tr("%1..%2 (total)").arg(lap.first).arg(lap.number)
                                  : QString::number(lap.number);
                return mark.isEmpty() ? number : QStringLiteral("%1 %2").arg(number, mark);
            }
            return core::hundredthsText(index.column() == 1 ? lap.lap : lap.split);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::FontRole:
            if (!mark.isEmpty()) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        case Qt::ToolTipRole:
        case Qt::AccessibleTextRole: {
            const QString said =
                LapsWindow::tr("Lap %1: lap time %2, split %3")
                    .arg(data(index.siblingAtColumn(0), Qt::DisplayRole).toString(),
                         core::hundredthsText(lap.lap), core::hundredthsText(lap.split));
            return said;
        }
        default:
            return {};
        }
    }

    // Returns true when rows were added.
    bool follow() {
        const auto rows = static_cast<int>(laps_.rows());
        if (laps_.startUtcMs() != start_ || laps_.count() < count_ || rows < rows_) {
            beginResetModel();
            take(rows);
            endResetModel();
            return rows > 0;
        }
        if (laps_.count() == count_) {
            return false;
        }
        const std::optional<std::int64_t> fastest = fastest_;
        const std::optional<std::int64_t> slowest = slowest_;
        beginInsertRows({}, rows_, rows - 1);
        take(rows);
        endInsertRows();
        for (const std::optional<std::int64_t>& row : {fastest, slowest, fastest_, slowest_}) {
            if (row && *row < rows_) {
                const auto r = static_cast<int>(*row);
                emit dataChanged(index(r, 0), index(r, kColumns - 1));
            }
        }
        return true;
    }

private:
    void take(int rows) {
        rows_ = rows;
        count_ = laps_.count();
        start_ = laps_.startUtcMs();
        fastest_ = laps_.fastest();
        slowest_ = laps_.slowest();
    }

    [[nodiscard]] QString markOf(int row) const {
        if (fastest_ && *fastest_ == row) {
            return LapsWindow::tr("(fastest)");
        }
        if (slowest_ && *slowest_ == row) {
            return LapsWindow::tr("(slowest)");
        }
        return {};
    }

    const core::Laps& laps_;
    int rows_ = 0;
    std::int64_t count_ = 0;
    std::int64_t start_ = 0;
    std::optional<std::int64_t> fastest_;
    std::optional<std::int64_t> slowest_;
};

LapsWindow::LapsWindow(QWidget& timerWindow, const core::Laps& laps, platform::Dialogs& dialogs)
    : QWidget(&timerWindow, Qt::Window), laps_(laps), dialogs_(dialogs),
      model_(new LapsModel(laps, this)), view_(new QTableView(this)), note_(new QLabel(this)) {
    setObjectName(QStringLiteral("frmLaps"));
    view_->setObjectName(QStringLiteral("tblLaps"));
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setAccessibleName(tr("Laps"));
    view_->verticalHeader()->hide();
    // Fixed rows: a long run's table is laid out without measuring each row.
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The three columns share the width: no column hides behind a scroll bar.
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view_->installEventFilter(this);
    note_->setWordWrap(true);
    note_->hide();
    auto* saveButton = new QPushButton(tr("&Save..."), this);
    saveButton->setObjectName(QStringLiteral("cmdSaveLaps"));
    connect(saveButton, &QPushButton::clicked, this, &LapsWindow::save);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addWidget(note_);
    layout->addLayout(buttons);
    constexpr int kWidth = 320;
    constexpr int kHeight = 360;
    resize(kWidth, kHeight);
    setIdentification({});
}

void LapsWindow::setIdentification(const QString& identification) {
    const QString id = identification.trimmed();
    setWindowTitle(id.isEmpty() ? tr("Laps") : tr("Laps - %1").arg(id));
}

void LapsWindow::follow() {
    if (!model_->follow()) {
        return;
    }
    view_->scrollToBottom();
    const std::int64_t summarised = laps_.count() - core::kMaxRecordLaps;
    note_->setVisible(summarised > 0);
    if (summarised > 0) {
        note_->setText(
            tr("After a restart, laps 1..%1 come back as their total only.").arg(summarised));
    }
}

void LapsWindow::copy() {
    std::vector<std::int64_t> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    if (rows.empty()) {
        for (std::int64_t row = 0; row < model_->rowCount({}); ++row) {
            rows.push_back(row);
        }
    }
    const QString header =
        QStringList{LapsModel::header(0), LapsModel::header(1), LapsModel::header(2)}.join(
            QLatin1Char('\t'));
    QGuiApplication::clipboard()->setText(core::lapsTsv(laps_, rows, header));
}

void LapsWindow::save() {
    const QString name = dialogs_.saveFileName(this, tr("Save the laps"), tr("laps.csv"),
                                               tr("CSV files (*.csv);;All files (*)"));
    if (name.isEmpty()) {
        return;
    }
    // Written whole or not at all: a file that was there stays as it was.
    QSaveFile file(name);
    const QByteArray csv = core::lapsCsv(laps_);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
        const QString why = tr("The laps could not be saved to %1: %2. They are still here; "
                               "choose another place.")
                                .arg(name, file.errorString());
        dialogs_.messageBox(this, core::Message{why.toStdString(), core::MsgBoxStyle::Exclamation,
                                                tr("Laps").toStdString()});
    }
}

bool LapsWindow::eventFilter(QObject* watched, QEvent* event) {
    // The table's own Ctrl+C copies one cell; here it copies whole laps.
    if (watched == view_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        copy();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// F9 from any control of the timer window: its own shortcut, as no button of
// the window opens the laps. The capture button's tooltip names it
// (app/shortcuts.cpp).
void frmStopwatch::wireLaps() {
    auto* key = new QAction(this);
    key->setShortcut(QKeySequence(Qt::Key_F9));
    key->setShortcutContext(Qt::WindowShortcut);
    addAction(key);
    connect(key, &QAction::triggered, this, &frmStopwatch::showLaps);
    connect(Text1, &QLineEdit::textChanged, this, [this](const QString& identification) {
        if (lapsWindow_ != nullptr) {
            lapsWindow_->setIdentification(identification);
        }
    });
}

void frmStopwatch::showLaps() {
    if (lapsWindow_ == nullptr) {
        lapsWindow_ = new LapsWindow(*this, timer_.stopwatch.laps(), services_.dialogs);
        lapsWindow_->setIdentification(Text1->text());
    }
    lapsWindow_->follow();
    lapsWindow_->show();
    lapsWindow_->raise();
    lapsWindow_->activateWindow();
}
