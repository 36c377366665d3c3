#include "ScriptedPrompts.h"

#include <gtest/gtest.h>

void ScriptedPrompts::ExpectMessage(QMessageBox::StandardButton answer) {
    ExpectMessage([answer](const PromptCall&) { return answer; });
}

void ScriptedPrompts::ExpectMessage(MessageAnswer answer) {
    m_queue.push_back(Expected{QStringLiteral("message"), std::move(answer), std::nullopt, {}});
}

void ScriptedPrompts::ExpectInput(std::optional<QString> answer) {
    m_queue.push_back(Expected{QStringLiteral("input"), {}, std::move(answer), {}});
}

void ScriptedPrompts::ExpectOpenFile(QString path) {
    m_queue.push_back(Expected{QStringLiteral("open"), {}, std::move(path), {}});
}

void ScriptedPrompts::ExpectSaveFile(QString path) {
    m_queue.push_back(Expected{QStringLiteral("save"), {}, std::move(path), {}});
}

void ScriptedPrompts::ExpectFont(bool ok, QFont font, std::optional<int> color) {
    m_queue.push_back(
        Expected{QStringLiteral("font"), {}, std::nullopt, FontAnswer{ok, std::move(font), color}});
}

void ScriptedPrompts::Verify() {
    for (const Expected& e : m_queue)
        ADD_FAILURE() << "expected prompt never came: " << e.kind.toStdString();
    m_queue.clear();
}

bool ScriptedPrompts::take(const QString& kind, Expected* out, const PromptCall& call) {
    m_calls.push_back(call);
    if (m_queue.empty() || m_queue.front().kind != kind) {
        ADD_FAILURE() << "unexpected " << kind.toStdString()
                      << " prompt: " << call.caption.toStdString() << " / "
                      << call.text.toStdString();
        return false;
    }
    *out = std::move(m_queue.front());
    m_queue.pop_front();
    return true;
}

QMessageBox::StandardButton ScriptedPrompts::Message(QWidget* owner, const QString& caption,
                                                     const QString& text, QMessageBox::Icon icon,
                                                     QMessageBox::StandardButtons buttons) {
    const PromptCall call{QStringLiteral("message"), owner, caption, text, icon, buttons, {}};
    Expected e;
    if (!take(call.kind, &e, call))
        return buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
    return e.message(m_calls.back());
}

std::optional<QString> ScriptedPrompts::InputBox(QWidget* owner, const QString& caption,
                                                 const QString& prompt, const QString& initial) {
    const PromptCall call{QStringLiteral("input"), owner, caption, prompt,
                          QMessageBox::NoIcon,     {},    initial};
    Expected e;
    if (!take(call.kind, &e, call))
        return std::nullopt;
    return e.text;
}

QString ScriptedPrompts::OpenFileName(QWidget* owner, const QString& filter, const QString&) {
    const PromptCall call{QStringLiteral("open"), owner, {}, filter, QMessageBox::NoIcon, {}, {}};
    Expected e;
    if (!take(call.kind, &e, call))
        return QString();
    return e.text.value_or(QString());
}

QString ScriptedPrompts::SaveFileName(QWidget* owner, const QString& filter, const QString&) {
    const PromptCall call{QStringLiteral("save"), owner, {}, filter, QMessageBox::NoIcon, {}, {}};
    Expected e;
    if (!take(call.kind, &e, call))
        return QString();
    return e.text.value_or(QString());
}

bool ScriptedPrompts::ChooseFont(QWidget* owner, QFont& font, int& color) {
    const PromptCall call{QStringLiteral("font"), owner, {}, font.family(), QMessageBox::NoIcon, {},
                          QString::number(color)};
    Expected e;
    if (!take(call.kind, &e, call) || !e.font.ok)
        return false;
    font = e.font.font;
    color = e.font.color.value_or(color);
    return true;
}
