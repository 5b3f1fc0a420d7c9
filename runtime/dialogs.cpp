#include "dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace runtime {

int defaultAnswer(int style) {
    if ((style & 0xF) == MsgBoxStyle::YesNo) {
        return (style & MsgBoxStyle::DefaultButton2) != 0 ? MsgBoxResult::No : MsgBoxResult::Yes;
    }
    return MsgBoxResult::Ok;
}

int QtDialogs::messageBox(QWidget* owner, const QString& prompt, int style, const QString& title) {
    QMessageBox box(owner);
    box.setWindowTitle(title.isEmpty() ? kApplicationTitle : title);
    // Prompts break lines with CR LF; a label wants LF alone.
    box.setText(QString(prompt).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    switch (style & 0x70) {
    case MsgBoxStyle::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgBoxStyle::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgBoxStyle::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgBoxStyle::Information:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    if ((style & 0xF) == MsgBoxStyle::YesNo) {
        QPushButton* yes = box.addButton(QMessageBox::Yes);
        QPushButton* no = box.addButton(QMessageBox::No);
        box.setDefaultButton((style & MsgBoxStyle::DefaultButton2) != 0 ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MsgBoxResult::Yes : MsgBoxResult::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MsgBoxResult::Ok;
}

void QtDialogs::beep() {
    QApplication::beep();
}

int ScriptedDialogs::messageBox(QWidget* /*owner*/, const QString& prompt, int style,
                                const QString& title) {
    boxes_.push_back({prompt, style, title.isEmpty() ? kApplicationTitle : title});
    if (answers_.empty()) {
        return defaultAnswer(style);
    }
    const int result = answers_.front();
    answers_.pop_front();
    return result;
}

} // namespace runtime
