// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PhoneMoveQuestion.h"

#include "core/PhoneUsers.h"
#include "core/SafeText.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace korvisel {
namespace {

using R = TPhoneReference;

// The other phone of a CLIP report, which rings on restore where the first rings on the event.
std::optional<R> OtherClipPhone(R reference) {
    switch (reference) {
    case R::InputClipEvent:
        return R::InputClipRestore;
    case R::InputClipRestore:
        return R::InputClipEvent;
    case R::TestClip1:
        return R::TestClip2;
    case R::TestClip2:
        return R::TestClip1;
    default:
        return std::nullopt;
    }
}

// The report kind of a use; a CLIP phone is named as the event's or the restore's where the
// report's other phone is not among `users`.
std::string KindName(const TPhoneUser& user, const std::vector<TPhoneUser>& users,
                     const TLanguageTexts& texts) {
    switch (user.Reference) {
    case R::InputAlarm:
        return "ALARM";
    case R::InputData:
    case R::TestData:
        return "DATA";
    default:
        break;
    }
    const std::optional<R> other = OtherClipPhone(user.Reference);
    if (!other)
        return "SMS";
    if (std::find(users.begin(), users.end(), TPhoneUser{*other, user.Owner}) != users.end())
        return "CLIP";
    const bool event = user.Reference == R::InputClipEvent || user.Reference == R::TestClip1;
    return event ? texts.Text("PRG_PHONE_USER_CLIP_EVENT") : texts.Text("PRG_PHONE_USER_CLIP_RESTORE");
}

// "1-3" for a run of three or more, "1, 3" otherwise.
std::string NumberList(const std::vector<int>& numbers) {
    std::string list;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t end = i + 1;
        while (end < numbers.size() && numbers[end] == numbers[end - 1] + 1)
            ++end;
        list += (list.empty() ? "" : ", ") + std::to_string(numbers[i]);
        if (end - i >= 3)
            list += "-" + std::to_string(numbers[end - 1]);
        else
            for (std::size_t j = i + 1; j < end; ++j)
                list += ", " + std::to_string(numbers[j]);
        i = end;
    }
    return list;
}

std::string JoinedList(const std::vector<std::string>& items, const TLanguageTexts& texts) {
    if (items.size() < 2)
        return items.empty() ? std::string{} : items.front();
    std::string head;
    for (std::size_t i = 0; i + 1 < items.size(); ++i)
        head += (i == 0 ? "" : ", ") + items[i];
    return WithArguments(texts.Text("PRG_LIST_AND"), {head, items.back()});
}

// The users named as a user reads them: an input or the test once with its report kind, the outputs
// together.
std::string UserNames(const std::vector<TPhoneUser>& users, const TLanguageTexts& texts) {
    std::vector<std::string> names;
    std::vector<int> outputs;
    std::size_t outputsAt = 0;
    for (const TPhoneUser& user : users) {
        std::string name;
        switch (user.Reference) {
        case R::OutputControl:
        case R::OutputAnswer:
            if (outputs.empty()) {
                outputsAt = names.size();
                names.emplace_back();
            }
            if (outputs.empty() || outputs.back() != user.Owner)
                outputs.push_back(user.Owner);
            continue;
        case R::TestSms:
        case R::TestClip1:
        case R::TestClip2:
        case R::TestData:
            name = WithArguments(texts.Text("PRG_PHONE_USER_TEST"), {KindName(user, users, texts)});
            break;
        case R::Gsm:
            name = texts.Text("PRG_PHONE_USE_GSM");
            break;
        case R::Crow:
            name = texts.Text("PRG_PHONE_USER_CROW");
            break;
        default:
            name = WithArguments(texts.Text("PRG_PHONE_USER_INPUT"),
                                 {std::to_string(user.Owner), KindName(user, users, texts)});
            break;
        }
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    if (!outputs.empty())
        names[outputsAt] =
            outputs.size() == 1
                ? WithArguments(texts.Text("PRG_PHONE_USER_OUTPUT"), {std::to_string(outputs.front())})
                : WithArguments(texts.Text("PRG_PHONE_USER_OUTPUTS"), {NumberList(outputs)});
    return JoinedList(names, texts);
}

struct TDestination {
    int To = 0;
    std::vector<TPhoneUser> Users;
};

} // namespace

std::string PhoneMoveQuestion(const TProjectInfo& before, const TProjectInfo& after, int k,
                              TEmptyingCommand command, const TLanguageTexts& texts) {
    const std::vector<TPhoneMove> moves = PhoneMoves(before, after, k);
    if (moves.empty())
        return {};
    std::vector<TPhoneUser> users;
    std::vector<TDestination> destinations;
    for (const TPhoneMove& move : moves) {
        users.push_back(move.User);
        auto found = std::find_if(destinations.begin(), destinations.end(),
                                  [&move](const TDestination& d) { return d.To == move.To; });
        if (found == destinations.end())
            found = destinations.insert(destinations.end(), TDestination{move.To, {}});
        found->Users.push_back(move.User);
    }
    // The numbers come from a file as well as from the keyboard: nothing of them is shown raw.
    const auto number = [](const TProjectInfo& project, int entry) {
        return EscapedText(project.Phones[static_cast<std::size_t>(entry)].Number);
    };
    std::string text = WithArguments(texts.Text("PRG_PHONE_ASK_USED"),
                                     {std::to_string(k), number(before, k), UserNames(users, texts)}) +
                       " ";
    if (destinations.size() == 1 && destinations.front().To == 0) {
        text += texts.Text("PRG_PHONE_ASK_GO_NOWHERE");
    } else if (destinations.size() == 1 && destinations.front().To != k) {
        const int to = destinations.front().To;
        text += WithArguments(texts.Text("PRG_PHONE_ASK_GO"), {std::to_string(to), number(after, to)});
    } else {
        text += texts.Text("PRG_PHONE_ASK_GO_APART");
        for (const TDestination& d : destinations) {
            const std::string names = UserNames(d.Users, texts);
            text += "\n";
            if (d.To == 0)
                text += WithArguments(texts.Text("PRG_PHONE_ASK_NOWHERE_LINE"), {names});
            else if (d.To == k)
                text += WithArguments(texts.Text("PRG_PHONE_ASK_STAY_LINE"), {names, std::to_string(k)});
            else
                text += WithArguments(texts.Text("PRG_PHONE_ASK_GO_LINE"),
                                      {names, std::to_string(d.To), number(after, d.To)});
        }
    }
    return text + "\n\n" +
           texts.Text(command == TEmptyingCommand::Delete ? TTextKey("PRG_PHONE_ASK_DELETE")
                                                          : TTextKey("PRG_PHONE_ASK_EMPTY"));
}

bool ConfirmPhoneMoves(IMessageBoxes& boxes, const TLanguageTexts& texts, TEmptyingCommand command,
                       const TProjectInfo& before, const TProjectInfo& after, int k) {
    const std::string question = PhoneMoveQuestion(before, after, k, command, texts);
    return question.empty() || boxes.OkCancel(question, texts.Text("MESSAGE_MEGA_CAPTION_QWEST"));
}

} // namespace korvisel
