// The floor for the desktop measurements: a plain Qt Widgets window of the
// timer window's size with twenty controls (eighteen widgets at the timer
// window's places and fonts, a menu bar and a timer) and no logic of Horolux.
// Its button at the stopwatch button's place starts a 5 ms precise timer that
// rewrites the line edit at the stopwatch display's place whenever the
// hundredths of the elapsed time change, about every 10 ms.
#include "core/types.h"
#include "layout.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <variant>

namespace {

using core::kTwipsPerPixel;

QWidget* plainWidget(layout::Kind kind, QWidget* parent) {
    switch (kind) {
    case layout::Kind::TextBox:
    case layout::Kind::DisplayBox:
        return new QLineEdit(parent);
    case layout::Kind::CommandButton:
        return new QPushButton(parent);
    case layout::Kind::CheckBox:
        return new QCheckBox(parent);
    case layout::Kind::ComboBox:
        return new QComboBox(parent);
    case layout::Kind::Label:
        return new QLabel(parent);
    }
    return nullptr;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(layout::kWindowFontPoints);
    font.setBold(true);
    window.setFont(font);

    auto* client = new QWidget(&window);
    client->setFixedSize(layout::kClientWidth / kTwipsPerPixel,
                         layout::kClientHeight / kTwipsPerPixel);
    window.setCentralWidget(client);
    window.menuBar()->addAction(QStringLiteral("&Help"));

    QLineEdit* display = nullptr;
    QPushButton* start = nullptr;
    for (const layout::Row& row : layout::kRows) {
        // The timers have no place on the window; the plain window's one
        // timer is made below.
        if (const auto* line = std::get_if<layout::Line>(&row)) {
            auto* frame = new QFrame(client);
            frame->setGeometry(line->x / kTwipsPerPixel - line->widthPixels / 2,
                               line->top / kTwipsPerPixel, line->widthPixels,
                               (line->bottom - line->top) / kTwipsPerPixel);
            continue;
        }
        const auto* entry = std::get_if<layout::Control>(&row);
        if (entry == nullptr) {
            continue;
        }
        QWidget* widget = plainWidget(entry->kind, client);
        widget->setGeometry(entry->left / kTwipsPerPixel, entry->top / kTwipsPerPixel,
                            entry->width / kTwipsPerPixel, entry->height / kTwipsPerPixel);
        if (entry->fontPoints > 0) {
            QFont own = font;
            own.setPointSizeF(entry->fontPoints);
            own.setBold(entry->bold);
            widget->setFont(own);
        }
        if (entry->name == "txtSWTime") {
            display = static_cast<QLineEdit*>(widget);
            display->setReadOnly(true);
            display->setText(QStringLiteral("0.00"));
        } else if (entry->name == "cmdSWButton") {
            start = static_cast<QPushButton*>(widget);
            start->setText(QStringLiteral("Start"));
        }
    }
    window.setFixedSize(client->width(), client->height() + window.menuBar()->sizeHint().height());

    QElapsedTimer elapsed;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    qint64 shown = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 hundredths = elapsed.elapsed() / 10;
        if (hundredths != shown) {
            shown = hundredths;
            display->setText(QStringLiteral("%1.%2")
                                 .arg(hundredths / 100)
                                 .arg(hundredths % 100, 2, 10, QLatin1Char('0')));
        }
    });
    QObject::connect(start, &QPushButton::clicked, [&] {
        elapsed.start();
        timer.start(5);
    });

    window.show();
    return QApplication::exec();
}
