#pragma once
// The save commands' dialogs answered from queues; an empty queue answers "cancelled".

#include <QDialog>
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "ui/save_dialogs.h"

namespace zorvane::test {

class ScriptedSaveDialogs : public SaveDialogs {
public:
    // A path chooses it; an empty string accepts the proposed name; nothing cancels.
    bool ExecutePictureSave(QWidget*, PictureSaveDialogState& state) override {
        pictureRequests.push_back(state);
        if (pictureAnswers.empty()) return false;
        const std::optional<QString> answer = pictureAnswers.front();
        pictureAnswers.pop_front();
        if (!answer) return false;
        if (!answer->isEmpty()) state.FileName = *answer;
        return true;
    }
    // Each answer fills in the shown dialog and says how it closed.
    bool ShowModal(QDialog& dialog) override {
        if (modalAnswers.empty()) return false;
        const auto answer = modalAnswers.front();
        modalAnswers.pop_front();
        return answer(dialog);
    }

    std::deque<std::optional<QString>> pictureAnswers;
    std::vector<PictureSaveDialogState> pictureRequests;
    std::deque<std::function<bool(QDialog&)>> modalAnswers;
};

}  // namespace zorvane::test
