#pragma once

#include <QString>
#include <QStringList>

#include <deque>

namespace quv {

// How the windows talk to the user: an information message with OK, and a
// yes/no question. The windows use it for every input error and confirmation.
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual void information(const QString& text) = 0;
    // True when the user answered yes.
    virtual bool question(const QString& text) = 0;
};

// A message service for tests and unattended runs: it records every message and
// answers the questions from a script (then with the default answer).
class ScriptedMessageService : public MessageService {
public:
    explicit ScriptedMessageService(bool defaultAnswer = false) : defaultAnswer_(defaultAnswer) {}

    void information(const QString& text) override;
    bool question(const QString& text) override;

    void queueAnswer(bool yes) { answers_.push_back(yes); }
    const QStringList& informations() const { return informations_; }
    const QStringList& questions() const { return questions_; }
    // Every message and question in the order they came.
    const QStringList& all() const { return all_; }
    void clear();

private:
    bool defaultAnswer_;
    std::deque<bool> answers_;
    QStringList informations_;
    QStringList questions_;
    QStringList all_;
};

}  // namespace quv
