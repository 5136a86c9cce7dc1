#include "EditTexts.h"

#include "dictionaries/EDSTextHelper.h"

namespace corvid::edit_texts {

std::string ReplaceQuestion(std::string_view what) {
    return std::string(what) + " has already existed! Do you want to replace it?";
}

bool AskYes(IUserInterface& ui, std::string_view text, std::string_view caption) {
    return ui.AskMessage(std::string(text), std::string(caption), MessageButtons::YesNo,
                         MessageIcon::Question) == MessageAnswer::Yes;
}

bool AskDelete(IUserInterface& ui, std::string_view entry, std::string_view name,
               const std::vector<std::string>& namedBy) {
    const std::string_view shownName = WithoutQuotes(name);
    std::string text = DeleteQuestion(
        shownName.empty() ? entry : std::string(entry) + " " + std::string(shownName));
    if (!namedBy.empty()) {
        text += "\r\n" + std::string(entry) + " is named by ";
        for (size_t i = 0; i < namedBy.size(); ++i)
            text += (i == 0 ? "" : ", ") + namedBy[i];
        text += ".";
    }
    return AskYes(ui, text, kDeleteCaption);
}

} // namespace corvid::edit_texts
