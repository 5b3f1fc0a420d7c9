#include "dialogs.h"

#include "core/identity.h"
#include "translation.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#if HOROLUX_LINUX_DESKTOP
#include <canberra.h>
#endif

namespace platform {

QtDialogs::QtDialogs() = default;
QtDialogs::~QtDialogs() = default;

int QtDialogs::messageBox(QWidget* owner, const core::Message& message) {
    namespace MsgBoxStyle = core::MsgBoxStyle;
    namespace MsgBoxResult = core::MsgBoxResult;
    const int style = message.style;
    QMessageBox box(owner);
    box.setWindowTitle(translated("Messages", message.title.empty()
                                                  ? std::string_view(core::kApplicationTitle)
                                                  : message.title));
    // Prompts break lines with CR LF; a label wants LF alone.
    box.setText(translated("Messages", message.prompt)
                    .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
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

QString QtDialogs::saveFileName(QWidget* owner, const QString& title, const QString& suggested,
                                const QString& filter) {
    return QFileDialog::getSaveFileName(owner, title, suggested, filter);
}

void QtDialogs::beep() {
    // The window system's beep is silent on many Linux desktops (Wayland, a
    // disabled X bell); the sound theme's bell is what users hear.
    if (!playBell()) {
        QApplication::beep();
    }
}

#if HOROLUX_LINUX_DESKTOP

void QtDialogs::SoundContextDeleter::operator()(ca_context* context) const noexcept {
    ca_context_destroy(context);
}

bool QtDialogs::playBell() {
    if (!sound_) {
        ca_context* context = nullptr;
        if (ca_context_create(&context) != CA_SUCCESS) {
            return false;
        }
        sound_.reset(context);
        // Names the sounds in the sound server, so that its per-application
        // volume and mute apply to them.
        ca_context_change_props(context, CA_PROP_APPLICATION_NAME, core::kAppName,
                                CA_PROP_APPLICATION_ID, core::kAppId, nullptr);
    }
    // Connects to the sound server on first use and returns once the sound
    // has started; it plays on in the background. A missing server, card or
    // theme sound comes back as an error code at once.
    return ca_context_play(sound_.get(), 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                           "Bell", nullptr) == CA_SUCCESS;
}

#else

bool QtDialogs::playBell() {
    return false;
}

#endif

} // namespace platform
