#include "QtDialogs.h"

#include "SavePromptDialog.h"
#include "ShownText.h"

#include "door/EDSDoc.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QStringList>

namespace corvid::app {

namespace {

// A name of 60 characters, a size, a type and "2026-12-07 12:08:24", with
// the side bar of places.
constexpr int kFileDialogChars = 150;
constexpr int kFileDialogLines = 30;

// "EDS Files(*.eds)" names its pattern already; a label without one gets it.
QString Filters(const FileDialogRequest& request) {
    QStringList filters;
    for (const auto& [label, pattern] : request.filters) {
        const QString text = QString::fromStdString(label);
        const QString wanted = QStringLiteral("(%1)").arg(QString::fromStdString(pattern));
        filters << (text.endsWith(wanted) ? text : text + QLatin1Char(' ') + wanted);
    }
    return filters.join(QStringLiteral(";;"));
}

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
    case MessageButtons::YesNoAllNotCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::AbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MessageAnswer AnswerOf(int button) {
    switch (button) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Abort:
        return MessageAnswer::Abort;
    case QMessageBox::Retry:
        return MessageAnswer::Retry;
    case QMessageBox::Ignore:
        return MessageAnswer::Ignore;
    default:
        return MessageAnswer::Cancel;
    }
}

std::string FileSystemPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

void SizeForLongNames(QFileDialog& dialog) {
    const QFontMetrics metrics = dialog.fontMetrics();
    const QSize wanted(metrics.averageCharWidth() * kFileDialogChars,
                       metrics.lineSpacing() * kFileDialogLines);
    dialog.resize(dialog.sizeHint().expandedTo(wanted));
}

MessageAnswer CQtDialogs::AskMessage(const std::string& text, const std::string& caption,
                                     MessageButtons buttons, MessageIcon icon) {
    if (buttons == MessageButtons::YesNoAllNotCancel) {
        // The file's name stands on its own line below the question.
        const QString all = Shown(text);
        const qsizetype lineEnd = all.indexOf(QLatin1Char('\n'));
        CSavePromptDialog prompt(Shown(caption), all.left(lineEnd),
                                 lineEnd < 0 ? QString() : all.mid(lineEnd + 1), window_);
        prompt.exec();
        return prompt.Answer();
    }
    QMessageBox box(BoxIcon(icon), Shown(caption), Shown(text), BoxButtons(buttons), window_);
    return AnswerOf(box.exec());
}

std::vector<std::string> CQtDialogs::ChooseFilesToOpen(const FileDialogRequest& request) {
    const QString title = request.title.empty() ? QObject::tr("Open") : Shown(request.title);
    QFileDialog dialog(window_, title, folder_, Filters(request));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    SizeForLongNames(dialog);
    const QStringList chosen =
        dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
    std::vector<std::string> paths;
    for (const QString& path : chosen)
        paths.push_back(FileSystemPath(path));
    if (!chosen.isEmpty())
        folder_ = QFileInfo(chosen.front()).absolutePath();
    return paths;
}

std::string CQtDialogs::ChooseSavePath(const FileDialogRequest& request) {
    // The core suggests the folder too where it knows one.
    const QFileInfo suggested(QFile::decodeName(request.initialName.c_str()));
    const bool hasFolder = request.initialName.find('/') != std::string::npos;
    QFileDialog dialog(window_, Shown(request.title),
                       hasFolder ? suggested.absolutePath() : folder_, Filters(request));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(suggested.fileName());
    SizeForLongNames(dialog);
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString chosen = dialog.selectedFiles().front();
        folder_ = QFileInfo(chosen).absolutePath();
        const std::string path = FileSystemPath(chosen);
        const QString written = QFile::decodeName(WithEDSExtension(path).c_str());
        if (!QFileInfo::exists(written) ||
            QMessageBox::question(
                window_, Shown(request.title),
                QObject::tr("%1 already exists.\nDo you want to replace it?").arg(written)) ==
                QMessageBox::Yes)
            return path;
    }
    return {};
}

} // namespace corvid::app
