#include "accessibility.h"

#include "controls.h"
#include "platform/translation.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

namespace {

// Qt's own combo box interface names an editable combo box after its text on
// Linux, so that a screen reader would read "0.05" where the box holds the
// countdown's minutes. This one keeps the name the window gives it and tells
// the typed text as the value, with the drop-down list as an action.
class MinutesBoxAccessible final : public QAccessibleWidget {
public:
    explicit MinutesBoxAccessible(MinutesBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    [[nodiscard]] QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return box()->currentText();
        }
        return QAccessibleWidget::text(t);
    }

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = box()->isEditable();
        s.expandable = true;
        s.expanded = box()->view() != nullptr && box()->view()->isVisible();
        return s;
    }

    [[nodiscard]] QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            box()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    [[nodiscard]] QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* windowControls(const QString& /*className*/, QObject* object) {
    if (auto* box = qobject_cast<MinutesBox*>(object)) {
        return new MinutesBoxAccessible(box);
    }
    return nullptr;
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(windowControls);
}

QString stopwatchButtonName(std::string_view caption) {
    QString shown = platform::translated("frmStopwatch", caption);
    // "Stopwatch" says whose button it is; the other captions do not.
    if (QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()))
            .contains(QLatin1String("Stopwatch"), Qt::CaseInsensitive)) {
        return shown;
    }
    return QCoreApplication::translate("frmStopwatch", "%1 stopwatch").arg(shown);
}
