#include "palette.h"

#include "platform/colorscheme.h"

#include <QApplication>
#include <QStyle>
#include <QTimer>
#include <QWidget>

namespace {

// The names under which a box keeps the colours its handlers chose.
const char* propertyFor(QPalette::ColorRole role) {
    return role == QPalette::Base ? "horoluxBackColor" : "horoluxForeColor";
}

// The resolve-mask bits of one colour role in every colour group.
QPalette::ResolveMask bitsOf(QPalette::ColorRole role) {
    QPalette probe;
    probe.setResolveMask(0);
    probe.setColor(role, Qt::black);
    return probe.resolveMask();
}

bool isDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

} // namespace

void followColorScheme(platform::ColorScheme& scheme, const QPalette& themePalette) {
    QObject::connect(&scheme, &platform::ColorScheme::preferDark, qApp, [themePalette](bool dark) {
        if (!dark) {
            QApplication::setPalette(QApplication::style()->standardPalette());
        } else {
            QApplication::setPalette(isDark(themePalette) ? themePalette : darkPalette());
        }
    });
    QTimer::singleShot(0, &scheme, &platform::ColorScheme::start);
}

QPalette darkPalette() {
    const QColor window(53, 53, 53);
    const QColor base(35, 35, 35);
    const QColor text(230, 230, 230);
    const QColor disabled(127, 127, 127);
    const QColor highlight(42, 130, 218);
    QPalette palette(text, window, window.lighter(150), window.darker(200), window.darker(150),
                     text, Qt::white, base, window);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabled);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, highlight.lighter(130));
    palette.setColor(QPalette::LinkVisited, highlight.lighter(110));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Disabled, role, disabled);
    }
    palette.setColor(QPalette::Disabled, QPalette::Highlight, window.lighter(120));
    return palette;
}

void setBoxColor(QWidget& box, QPalette::ColorRole role, std::optional<QColor> color) {
    box.setProperty(propertyFor(role), color ? QVariant(*color) : QVariant());
    const QVariant back = box.property(propertyFor(QPalette::Base));
    const QVariant fore = box.property(propertyFor(QPalette::Text));

    // Start from the box's palette without either colour of its own, so that
    // what no handler chose comes from the application's palette.
    QPalette palette = box.palette();
    palette.setResolveMask(palette.resolveMask() &
                           ~(bitsOf(QPalette::Base) | bitsOf(QPalette::Text)));
    if (back.isValid()) {
        palette.setColor(QPalette::Base, back.value<QColor>());
    }
    if (fore.isValid()) {
        palette.setColor(QPalette::Text, fore.value<QColor>());
    } else if (back.isValid()) {
        palette.setColor(QPalette::Text,
                         back.value<QColor>().lightness() < 128 ? Qt::white : Qt::black);
    }
    box.setPalette(palette);
}
