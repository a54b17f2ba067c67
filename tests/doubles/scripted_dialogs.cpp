#include "scripted_dialogs.h"

void ScriptedDialogs::messageBox(const QString& text, const QString& title, Icon icon)
{
    shown << Shown{"message", text, title, {}, {}, icon};
}

bool ScriptedDialogs::question(const QString& text, const QString& title)
{
    shown << Shown{"question", text, title, {}, {}};
    return questionAnswers.isEmpty() ? false : questionAnswers.dequeue();
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText)
{
    shown << Shown{"input", prompt, title, defaultText, {}};
    return answers.isEmpty() ? QString() : answers.dequeue();
}

QString ScriptedDialogs::saveFile(const FileRequest& request)
{
    shown << Shown{"save", {}, request.title, {}, request};
    return answers.isEmpty() ? QString() : answers.dequeue();
}

QStringList ScriptedDialogs::openFiles(const FileRequest& request)
{
    shown << Shown{"open", {}, request.title, {}, request};
    return openAnswers.isEmpty() ? QStringList() : openAnswers.dequeue();
}

QString ScriptedDialogs::folder(const QString& title, const QString& startFolder)
{
    FileRequest request;
    request.title = title;
    request.startFolder = startFolder;
    shown << Shown{"folder", {}, title, {}, request};
    return answers.isEmpty() ? QString() : answers.dequeue();
}
