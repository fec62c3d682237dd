#include "engine/MessageService.h"

namespace quv {

void ScriptedMessageService::information(const QString& text) {
    informations_ << text;
    all_ << text;
}

bool ScriptedMessageService::question(const QString& text) {
    questions_ << text;
    all_ << text;
    if (answers_.empty())
        return defaultAnswer_;
    bool answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void ScriptedMessageService::clear() {
    informations_.clear();
    questions_.clear();
    all_.clear();
    answers_.clear();
}

}  // namespace quv
