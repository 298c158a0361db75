// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ContactIdCodes.h"

#include "core/TextFold.h"

#include <algorithm>
#include <array>

namespace korvisel {
namespace {

// The event codes of the public Contact ID list, edition SIA DC-05-1999.09, with its English
// meanings; the Russian ones are our own translation. Codes the list reserves or leaves to panel
// makers are not in it.
constexpr std::array<TContactIdCode, 220> Codes = {{
    // Medical alarms
    {"100", "Medical", "Медицинская тревога"},
    {"101", "Personal emergency", "Экстренный вызов (персональный)"},
    {"102", "Fail to report in", "Не поступила отметка о присутствии"},
    // Fire alarms
    {"110", "Fire", "Пожар"},
    {"111", "Smoke", "Дым"},
    {"112", "Combustion", "Возгорание"},
    {"113", "Water flow", "Поток воды (спринклер)"},
    {"114", "Heat", "Тепловой извещатель"},
    {"115", "Pull station", "Ручной пожарный извещатель"},
    {"116", "Duct", "Извещатель в воздуховоде"},
    {"117", "Flame", "Пламя"},
    {"118", "Near alarm", "Предтревога (пожар)"},
    // Panic alarms
    {"120", "Panic", "Тревожная кнопка"},
    {"121", "Duress", "Принуждение"},
    {"122", "Silent", "Тихая тревога"},
    {"123", "Audible", "Звуковая тревога"},
    {"124", "Duress - access granted", "Принуждение - доступ разрешён"},
    {"125", "Duress - egress granted", "Принуждение - выход разрешён"},
    // Burglar alarms
    {"130", "Burglary", "Проникновение"},
    {"131", "Perimeter", "Периметр"},
    {"132", "Interior", "Внутренняя зона"},
    {"133", "24 hour (safe)", "Круглосуточная зона (сейф)"},
    {"134", "Entry/exit", "Вход/выход"},
    {"135", "Day/night", "День/ночь"},
    {"136", "Outdoor", "Наружная зона"},
    {"137", "Tamper", "Вскрытие (тампер)"},
    {"138", "Near alarm", "Предтревога (проникновение)"},
    {"139", "Intrusion verifier", "Подтверждение проникновения"},
    // General alarms
    {"140", "General alarm", "Общая тревога"},
    {"141", "Polling loop open", "Обрыв шлейфа опроса"},
    {"142", "Polling loop short", "Короткое замыкание шлейфа опроса"},
    {"143", "Expansion module failure", "Отказ модуля расширения"},
    {"144", "Sensor tamper", "Вскрытие датчика"},
    {"145", "Expansion module tamper", "Вскрытие модуля расширения"},
    {"146", "Silent burglary", "Тихое проникновение"},
    {"147", "Sensor supervision failure", "Потеря контроля датчика"},
    // 24 hour non-burglary
    {"150", "24 hour non-burglary", "Круглосуточная неохранная зона"},
    {"151", "Gas detected", "Обнаружен газ"},
    {"152", "Refrigeration", "Холодильное оборудование"},
    {"153", "Loss of heat", "Отключение отопления"},
    {"154", "Water leakage", "Протечка воды"},
    {"155", "Foil break", "Обрыв фольги"},
    {"156", "Day trouble", "Неисправность в дневном режиме"},
    {"157", "Low bottled gas level", "Низкий уровень газа в баллоне"},
    {"158", "High temperature", "Высокая температура"},
    {"159", "Low temperature", "Низкая температура"},
    {"161", "Loss of air flow", "Нет потока воздуха"},
    {"162", "Carbon monoxide detected", "Обнаружен угарный газ"},
    {"163", "Tank level", "Уровень в резервуаре"},
    // Fire supervisory
    {"200", "Fire supervisory", "Пожарный контроль"},
    {"201", "Low water pressure", "Низкое давление воды"},
    {"202", "Low CO2", "Мало CO2"},
    {"203", "Gate valve sensor", "Датчик задвижки"},
    {"204", "Low water level", "Низкий уровень воды"},
    {"205", "Pump activated", "Насос включён"},
    {"206", "Pump failure", "Отказ насоса"},
    // System troubles
    {"300", "System trouble", "Неисправность системы"},
    {"301", "AC loss", "Нет сетевого питания"},
    {"302", "Low system battery", "Разряд батареи системы"},
    {"303", "RAM checksum bad", "Ошибка контрольной суммы ОЗУ"},
    {"304", "ROM checksum bad", "Ошибка контрольной суммы ПЗУ"},
    {"305", "System reset", "Перезапуск системы"},
    {"306", "Panel programming changed", "Изменены настройки панели"},
    {"307", "Self-test failure", "Ошибка самотестирования"},
    {"308", "System shutdown", "Отключение системы"},
    {"309", "Battery test failure", "Ошибка проверки батареи"},
    {"310", "Ground fault", "Замыкание на землю"},
    {"311", "Battery missing/dead", "Батарея отсутствует или неисправна"},
    {"312", "Power supply overcurrent", "Перегрузка блока питания"},
    {"313", "Engineer reset", "Сброс инженером"},
    // Sounder and relay troubles
    {"320", "Sounder/relay", "Оповещатель/реле"},
    {"321", "Bell 1", "Сирена 1"},
    {"322", "Bell 2", "Сирена 2"},
    {"323", "Alarm relay", "Реле тревоги"},
    {"324", "Trouble relay", "Реле неисправности"},
    {"325", "Reversing relay", "Реле реверса"},
    {"326", "Notification appliance circuit 3", "Цепь оповещения 3"},
    {"327", "Notification appliance circuit 4", "Цепь оповещения 4"},
    // System peripheral troubles
    {"330", "System peripheral trouble", "Неисправность периферийного устройства"},
    {"331", "Polling loop open", "Обрыв шлейфа опроса"},
    {"332", "Polling loop short", "Короткое замыкание шлейфа опроса"},
    {"333", "Expansion module failure", "Отказ модуля расширения"},
    {"334", "Repeater failure", "Отказ ретранслятора"},
    {"335", "Local printer out of paper", "В местном принтере нет бумаги"},
    {"336", "Local printer failure", "Отказ местного принтера"},
    {"337", "Expansion module DC loss", "Модуль расширения: нет питания постоянного тока"},
    {"338", "Expansion module low battery", "Модуль расширения: разряд батареи"},
    {"339", "Expansion module reset", "Модуль расширения: перезапуск"},
    {"341", "Expansion module tamper", "Модуль расширения: вскрытие"},
    {"342", "Expansion module AC loss", "Модуль расширения: нет сетевого питания"},
    {"343", "Expansion module self-test failure", "Модуль расширения: ошибка самотестирования"},
    {"344", "RF receiver jam detected", "Подавление радиоприёмника"},
    // Communication troubles
    {"350", "Communication trouble", "Неисправность связи"},
    {"351", "Telco 1 fault", "Неисправность телефонной линии 1"},
    {"352", "Telco 2 fault", "Неисправность телефонной линии 2"},
    {"353", "Long range radio transmitter fault", "Неисправность радиопередатчика дальнего действия"},
    {"354", "Failure to communicate event", "Не удалось передать событие"},
    {"355", "Loss of radio supervision", "Потеря радиоконтроля"},
    {"356", "Loss of central polling", "Потеря опроса с пульта"},
    {"357", "Long range radio VSWR problem", "КСВ радиопередатчика дальнего действия"},
    // Protection loop troubles
    {"370", "Protection loop", "Шлейф охраны"},
    {"371", "Protection loop open", "Обрыв шлейфа охраны"},
    {"372", "Protection loop short", "Короткое замыкание шлейфа охраны"},
    {"373", "Fire trouble", "Неисправность пожарного шлейфа"},
    {"374", "Exit error alarm (zone)", "Ошибка выхода (зона)"},
    {"375", "Panic zone trouble", "Неисправность зоны тревожной кнопки"},
    {"376", "Hold-up zone trouble", "Неисправность зоны нападения"},
    {"377", "Swinger trouble", "Неисправность: многократные срабатывания"},
    {"378", "Cross-zone trouble", "Неисправность перекрёстных зон"},
    // Sensor troubles
    {"380", "Sensor trouble", "Неисправность датчика"},
    {"381", "Loss of supervision - RF", "Потеря контроля радиодатчика"},
    {"382", "Loss of supervision - RPM", "Потеря контроля адресного датчика"},
    {"383", "Sensor tamper", "Вскрытие датчика"},
    {"384", "RF low battery", "Разряд батареи радиодатчика"},
    {"385", "Smoke detector high sensitivity", "Высокая чувствительность дымового извещателя"},
    {"386", "Smoke detector low sensitivity", "Низкая чувствительность дымового извещателя"},
    {"387", "Intrusion detector high sensitivity", "Высокая чувствительность охранного извещателя"},
    {"388", "Intrusion detector low sensitivity", "Низкая чувствительность охранного извещателя"},
    {"389", "Sensor self-test failure", "Ошибка самотестирования датчика"},
    {"391", "Sensor watch trouble", "Неисправность контроля датчика"},
    {"392", "Drift compensation error", "Ошибка компенсации дрейфа"},
    {"393", "Maintenance alert", "Требуется обслуживание"},
    // Open and close
    {"400", "Open/close", "Снятие/постановка"},
    {"401", "Open/close by user", "Снятие/постановка пользователем"},
    {"402", "Group open/close", "Снятие/постановка группы"},
    {"403", "Automatic open/close", "Автоматическое снятие/постановка"},
    {"404", "Late to open/close", "Опоздание снятия/постановки"},
    {"405", "Deferred open/close", "Отложенное снятие/постановка"},
    {"406", "Cancel", "Отмена"},
    {"407", "Remote arm/disarm", "Удалённая постановка/снятие"},
    {"408", "Quick arm", "Быстрая постановка"},
    {"409", "Keyswitch open/close", "Снятие/постановка ключом"},
    // Remote access
    {"411", "Callback request made", "Запрос обратного вызова"},
    {"412", "Successful download/access", "Успешная загрузка/доступ"},
    {"413", "Unsuccessful access", "Неудачная попытка доступа"},
    {"414", "System shutdown command received", "Получена команда отключения системы"},
    {"415", "Dialer shutdown command received", "Получена команда отключения коммуникатора"},
    {"416", "Successful upload", "Успешная выгрузка"},
    // Access control
    {"421", "Access denied", "Доступ запрещён"},
    {"422", "Access report by user", "Доступ пользователя"},
    {"423", "Forced access", "Принудительный доступ (взлом)"},
    {"424", "Egress denied", "Выход запрещён"},
    {"425", "Egress granted", "Выход разрешён"},
    {"426", "Access door propped open", "Дверь оставлена открытой"},
    {"427", "Access point door status monitor trouble", "Неисправность датчика состояния двери"},
    {"428", "Access point request to exit trouble", "Неисправность кнопки выхода"},
    {"429", "Access program mode entry", "Вход в режим программирования доступа"},
    {"430", "Access program mode exit", "Выход из режима программирования доступа"},
    {"431", "Access threat level change", "Изменение уровня угрозы доступа"},
    {"432", "Access relay/trigger failure", "Отказ реле/выхода доступа"},
    {"433", "Access RTE shunt", "Шунтирование кнопки выхода"},
    {"434", "Access DSM shunt", "Шунтирование датчика двери"},
    // Arming in stay mode
    {"441", "Armed STAY", "Постановка в режиме \"Дома\""},
    {"442", "Keyswitch armed STAY", "Постановка ключом в режиме \"Дома\""},
    // Exceptions of opening and closing
    {"450", "Exception open/close", "Нештатное снятие/постановка"},
    {"451", "Early open/close", "Раннее снятие/постановка"},
    {"452", "Late open/close", "Позднее снятие/постановка"},
    {"453", "Failed to open", "Не снято вовремя"},
    {"454", "Failed to close", "Не поставлено вовремя"},
    {"455", "Auto-arm failed", "Автопостановка не удалась"},
    {"456", "Partial arm", "Частичная постановка"},
    {"457", "Exit error (user)", "Ошибка выхода (пользователь)"},
    {"458", "User on premises", "Пользователь на объекте"},
    {"459", "Recent close", "Недавняя постановка"},
    {"461", "Wrong code entry", "Ввод неверного кода"},
    {"462", "Legal code entry", "Ввод верного кода"},
    {"463", "Re-arm after alarm", "Повторная постановка после тревоги"},
    {"464", "Auto-arm time extended", "Продлено время автопостановки"},
    {"465", "Panic alarm reset", "Сброс тревожной кнопки"},
    {"466", "Service on/off premises", "Приход/уход обслуживающего персонала"},
    // Disables
    {"501", "Access reader disable", "Считыватель доступа отключён"},
    {"520", "Sounder/relay disable", "Оповещатель/реле отключены"},
    {"521", "Bell 1 disable", "Сирена 1 отключена"},
    {"522", "Bell 2 disable", "Сирена 2 отключена"},
    {"523", "Alarm relay disable", "Реле тревоги отключено"},
    {"524", "Trouble relay disable", "Реле неисправности отключено"},
    {"525", "Reversing relay disable", "Реле реверса отключено"},
    {"526", "Notification appliance circuit 3 disable", "Цепь оповещения 3 отключена"},
    {"527", "Notification appliance circuit 4 disable", "Цепь оповещения 4 отключена"},
    {"531", "Module added", "Модуль добавлен"},
    {"532", "Module removed", "Модуль удалён"},
    {"551", "Dialer disabled", "Коммуникатор отключён"},
    {"552", "Radio transmitter disabled", "Радиопередатчик отключён"},
    {"553", "Remote upload/download disabled", "Удалённая загрузка/выгрузка отключена"},
    // Bypasses
    {"570", "Zone/sensor bypass", "Обход зоны/датчика"},
    {"571", "Fire bypass", "Обход пожарной зоны"},
    {"572", "24 hour zone bypass", "Обход круглосуточной зоны"},
    {"573", "Burglary bypass", "Обход охранной зоны"},
    {"574", "Group bypass", "Обход группы"},
    {"575", "Swinger bypass", "Обход зоны с многократными срабатываниями"},
    {"576", "Access zone shunt", "Шунтирование зоны доступа"},
    {"577", "Access point bypass", "Обход точки доступа"},
    // Tests
    {"601", "Manual trigger test report", "Ручной тестовый отчёт"},
    {"602", "Periodic test report", "Периодический тестовый отчёт"},
    {"603", "Periodic RF transmission", "Периодическая радиопередача"},
    {"604", "Fire test", "Пожарный тест"},
    {"605", "Status report to follow", "Далее следует отчёт о состоянии"},
    {"606", "Listen-in to follow", "Далее следует прослушивание"},
    {"607", "Walk test mode", "Режим проверки зон"},
    {"608", "Periodic test - system trouble present", "Периодический тест - есть неисправность системы"},
    {"609", "Video transmitter active", "Видеопередатчик включён"},
    {"611", "Point tested OK", "Зона проверена успешно"},
    {"612", "Point not tested", "Зона не проверена"},
    {"613", "Intrusion zone walk tested", "Охранная зона проверена"},
    {"614", "Fire zone walk tested", "Пожарная зона проверена"},
    {"615", "Panic zone walk tested", "Зона тревожной кнопки проверена"},
    {"616", "Service request", "Запрос обслуживания"},
    // Event log and miscellaneous
    {"621", "Event log reset", "Журнал событий очищен"},
    {"622", "Event log 50% full", "Журнал событий заполнен на 50%"},
    {"623", "Event log 90% full", "Журнал событий заполнен на 90%"},
    {"624", "Event log overflow", "Журнал событий переполнен"},
    {"625", "Time/date reset", "Сброс времени/даты"},
    {"626", "Time/date inaccurate", "Неточные время/дата"},
    {"627", "Program mode entry", "Вход в режим программирования"},
    {"628", "Program mode exit", "Выход из режима программирования"},
    {"629", "32 hour event log marker", "Метка журнала событий за 32 часа"},
    {"630", "Schedule change", "Изменение расписания"},
    {"631", "Exception schedule change", "Изменение расписания исключений"},
    {"632", "Access schedule change", "Изменение расписания доступа"},
    {"654", "System inactivity", "Бездействие системы"},
}};

bool StartsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

bool Matches(const TContactIdCode& entry, std::string_view word) {
    return StartsWith(entry.Code, word) || ContainsFolded(entry.English, word) ||
           ContainsFolded(entry.Russian, word);
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = text.find_first_not_of(" \t\r\n", at);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = std::min(text.find_first_of(" \t\r\n", start), text.size());
        words.push_back(text.substr(start, end - start));
        at = end;
    }
    return words;
}

} // namespace

std::span<const TContactIdCode> ContactIdCodes() {
    return Codes;
}

const TContactIdCode* FindContactIdCode(std::string_view code) {
    const auto found = std::lower_bound(
        Codes.begin(), Codes.end(), code,
        [](const TContactIdCode& entry, std::string_view wanted) { return entry.Code < wanted; });
    return found != Codes.end() && found->Code == code ? &*found : nullptr;
}

std::string_view ContactIdCodeMeaning(std::string_view code, TCodeLanguage language) {
    const TContactIdCode* entry = FindContactIdCode(code);
    if (!entry)
        return {};
    return language == TCodeLanguage::Russian ? entry->Russian : entry->English;
}

std::string ContactIdCodeOf(const TContactId& field) {
    return std::string(field.Code.begin(), field.Code.end());
}

std::string ContactIdCodeWithMeaning(const TContactId& field, TCodeLanguage language) {
    const std::string code = ContactIdCodeOf(field);
    const std::string_view meaning = ContactIdCodeMeaning(code, language);
    return meaning.empty() ? code : code + " " + std::string(meaning);
}

std::vector<const TContactIdCode*> FilterContactIdCodes(std::string_view filter) {
    const std::vector<std::string_view> words = Words(filter);
    std::vector<const TContactIdCode*> found;
    for (const TContactIdCode& entry : Codes)
        if (std::all_of(words.begin(), words.end(), [&](std::string_view w) { return Matches(entry, w); }))
            found.push_back(&entry);
    return found;
}

} // namespace korvisel
