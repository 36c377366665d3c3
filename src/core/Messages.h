#pragma once

#include <QString>

// Every message and norms text the program shows. Window captions and control labels live in the
// .ui forms; texts built at run time live here, so there is one place to read and translate them.
// Templates use "%d", "%s", "%2f", "%8.2f" and "%%", filled by Format (TextFormat).
namespace Messages {

// Message box captions.
inline const QString Warning = QStringLiteral("Предупреждение");
inline const QString Confirmation = QStringLiteral("Подтверждение");
inline const QString Information = QStringLiteral("Информация");
inline const QString Error = QStringLiteral("Ошибка");

inline const QString StatusText =
    QStringLiteral(" Zorvik - тестирование  качества и скорости запоминания информации.");
inline const QString AppTitle = QStringLiteral("Zorvik");

// Saving and reading files.
inline const QString SaveFailed = QStringLiteral(
    "Не удалось сохранить файл \"%1\".\n%2\nИзменение сохранено в памяти и будет записано при "
    "следующем успешном сохранении.");
inline const QString SaveRefused =
    QStringLiteral("Не удалось сохранить файл \"%1\".\n%2\nИзменение не сохранено.");
inline const QString SaveKeptUntilExit =
    QStringLiteral("Не удалось сохранить файл \"%1\".\n%2\nИзменение действует только до "
                   "закрытия программы.");
// The reason of every save of a file that could not be read at start.
inline const QString FileNotReadAtStart =
    QStringLiteral("Файл не удалось прочитать при запуске программы (%1), поэтому программа не "
                   "записывает его, чтобы не потерять его содержимое.");
// Shown at start, once for each such file.
inline const QString FileUnreadableAtStart =
    QStringLiteral("Не удалось прочитать файл \"%1\": %2.\nЧтобы не потерять его содержимое, "
                   "программа не будет записывать этот файл до следующего запуска. Изменения, "
                   "которые затрагивают его, действуют только до закрытия программы.");
// The reason of a save whose new file is in place but whose folder the disk did not confirm.
inline const QString WrittenNotConfirmed =
    QStringLiteral("файл записан, но диск не подтвердил запись (%1)");
inline const QString CharNotInCodePage =
    QStringLiteral("Символ '%1' нельзя записать в кодировке Windows-1251.");
inline const QString FileReadFailed = QStringLiteral("Не удалось прочитать файл \"%1\".\n%2");
// The reason is the system's, written to follow a colon.
inline const QString FileWriteFailed = QStringLiteral("Не удалось записать файл \"%1\": %2.");

// Test run.
inline const QString CancelTestQuestion =
    QStringLiteral("Вы действительно хотите прервать тестирование?");
inline const QString PaceRuleBroken = QStringLiteral(
    "Тест не пройден. Запоминаете очень медленно. Превышено максимально допустимое среднее время "
    "запоминания элемента (%2f). Всего элементов для запоминания: %d. Прошло времени: %s.");
inline const QString ErrorRuleBroken =
    QStringLiteral("Тест не пройден. Слишком много ошибок. Превышен максимально допустимый "
                   "процент неправильных ответов (%d%%).");
inline const QString ShownCounter = QStringLiteral("Отображается %d элемент из %d.");
inline const QString RecallCounter = QStringLiteral("Введите %d элемент из %d.");
inline const QString NotAllSolved =
    QStringLiteral("Не все примеры решены правильно. Пожалуйста введите правильные ответы.");
inline const QString ExerciseLabel = QStringLiteral("%d  +  %d  =");
inline const QString EmptyModule = QStringLiteral(
    "В модуле для тестирования '%s' нет данных. Введите данные в редакторе модулей.");

// Result history.
inline const QString DeleteResultQuestion =
    QStringLiteral("Вы действительно хотите удалить выбранный результат?");
inline const QString DeleteAllResultsQuestion =
    QStringLiteral("Вы действительно хотите удалить все результаты?");
inline const QString HistoryDateCell = QStringLiteral("%s (%s)");
// The history list's column titles.
inline const QString HistoryDateColumn = QStringLiteral("Дата экзамена");
inline const QString HistoryResultColumn = QStringLiteral("Результат");
inline const QString HistoryResultCell = QStringLiteral("%8.2f");

// Progress window.
inline const QString ProgressPeriod = QStringLiteral("с %1 по %2");
inline const QString ProgressLeftOut =
    QStringLiteral("Не учтено экзаменов, чья запись неполна или испорчена: %1.");
inline const QString ChartImageFilter =
    QStringLiteral("Изображение PNG (*.png);;Рисунок SVG (*.svg)");
inline const QString ChartImageFormat =
    QStringLiteral("Изображение можно сохранить в формате PNG или SVG: укажите имя файла с "
                   "расширением .png или .svg.");
inline const QString PictureNotMade = QStringLiteral("изображение не удалось построить");

// Module editor.
inline const QString StandardModuleEdit =
    QStringLiteral("Этот модуль тестирования является стандартным, все изменения для него будут "
                   "проигнорированы. Для создания нового модуля - нажмите кнопку '+'.");
inline const QString StandardModuleDelete =
    QStringLiteral("Этот модуль тестирования является стандартным, удалить его нельзя.");
inline const QString NewModuleCaption = QStringLiteral("Новый модуль тестирования");
inline const QString NewModulePrompt = QStringLiteral("Введите названия для нового модуля:");
inline const QString NewModuleInitial = QStringLiteral("Мой новый модуль");
inline const QString ModuleExists =
    QStringLiteral("Модуль '%s' уже существует. Попробуйте добавить модуль с другим именем.");
inline const QString DeleteModuleQuestion =
    QStringLiteral("Вы действительно хотите удалить модуль '%s'?");
inline const QString TextFilesFilter = QStringLiteral("Текстовые файлы (*.txt)");
inline const QString PhoneNumsName = QStringLiteral("Телефонные номера");

// Blink test.
inline const QString BlinkInputCaption = QStringLiteral("Введите отображаемое число");
inline const QString BlinkRight = QStringLiteral("Правильно!");
inline const QString BlinkWrong = QStringLiteral("Неправильно! Верный ответ: %s.");

// Norms: a row of a norms table, its range as the window shows it and the grade. The exam norms
// window shows the "Ученик" and "Профи" tables, the training norms window the third; the progress
// chart draws the "Профи" grades as bands from these same texts.
struct NormRow {
    QString range;
    QString grade;
};
inline const NormRow BeginnerNorms[] = {
    {QStringLiteral("0 - 3,6"), QStringLiteral("2")},
    {QStringLiteral("3,8 - 11,3"), QStringLiteral("3")},
    {QStringLiteral("11,3 - 18,8"), QStringLiteral("4")},
    {QStringLiteral("19 - 28,4"), QStringLiteral("5")},
};
inline const NormRow ExpertNorms[] = {
    {QStringLiteral("0 - 3,6"), QStringLiteral("2")},
    {QStringLiteral("3,8 - 11,3"), QStringLiteral("3-")},
    {QStringLiteral("11,3 - 18,8"), QStringLiteral("3")},
    {QStringLiteral("19 - 28,4"), QStringLiteral("4-")},
    {QStringLiteral("28,4 - 37,8"), QStringLiteral("4")},
    {QStringLiteral("38 - 47,4"), QStringLiteral("5-")},
    {QStringLiteral("47,4 - 56,8"), QStringLiteral("5")},
    {QStringLiteral("57+"), QStringLiteral("Мастер")},
};
inline const NormRow TrainingNorms[] = {
    {QStringLiteral("0 - 18"), QStringLiteral("2")},
    {QStringLiteral("18 - 56"), QStringLiteral("3")},
    {QStringLiteral("56 - 94"), QStringLiteral("4")},
    {QStringLiteral("94 - 142"), QStringLiteral("5")},
};

// Module editor
inline const QString TextFileTooLarge =
    QStringLiteral("Файл слишком большой: загрузить можно файл размером не более %d МБ.");
inline const QString TextFileNotText = QStringLiteral(
    "Это не текстовый файл: в нём есть нулевые байты или другие управляющие символы.");
inline const QString FontNameNotInCodePage = QStringLiteral(
    "В названии шрифта '%s' есть символ '%s', который нельзя записать в кодировке Windows-1251. "
    "Оставлен прежний шрифт; выберите другой.");
inline const QString ModuleCharNotInCodePage = QStringLiteral(
    "В модуле '%s' есть символ '%s', который нельзя записать в кодировке Windows-1251. Удалите "
    "или замените его и нажмите OK ещё раз.");

// Result details
// What a screen reader says of an answer cell that is marked wrong.
inline const QString WrongAnswerCell = QStringLiteral("неправильный ответ");

// Settings dialog: the names of the background colours, in the order the colour box lists them.
inline const QString StandardColorNames[] = {
    QStringLiteral("Чёрный"),       QStringLiteral("Бордовый"),     QStringLiteral("Зелёный"),
    QStringLiteral("Оливковый"),    QStringLiteral("Тёмно-синий"),  QStringLiteral("Фиолетовый"),
    QStringLiteral("Сине-зелёный"), QStringLiteral("Серый"),        QStringLiteral("Серебристый"),
    QStringLiteral("Красный"),      QStringLiteral("Ярко-зелёный"), QStringLiteral("Жёлтый"),
    QStringLiteral("Синий"),        QStringLiteral("Фуксия"),       QStringLiteral("Голубой"),
    QStringLiteral("Белый"),
};
inline const QString ExtendedColorNames[] = {
    QStringLiteral("Денежно-зелёный"),
    QStringLiteral("Небесно-голубой"),
    QStringLiteral("Кремовый"),
    QStringLiteral("Средне-серый"),
};
// The desktop's system colours by number; number 25 has no colour.
inline const QString SystemColorNames[] = {
    QStringLiteral("Полоса прокрутки"),
    QStringLiteral("Рабочий стол"),
    QStringLiteral("Заголовок активного окна"),
    QStringLiteral("Заголовок неактивного окна"),
    QStringLiteral("Меню"),
    QStringLiteral("Окно"),
    QStringLiteral("Рамка окна"),
    QStringLiteral("Текст меню"),
    QStringLiteral("Текст окна"),
    QStringLiteral("Текст заголовка"),
    QStringLiteral("Граница активного окна"),
    QStringLiteral("Граница неактивного окна"),
    QStringLiteral("Рабочая область приложения"),
    QStringLiteral("Выделение"),
    QStringLiteral("Выделенный текст"),
    QStringLiteral("Поверхность кнопки"),
    QStringLiteral("Тень кнопки"),
    QStringLiteral("Недоступный текст"),
    QStringLiteral("Текст кнопки"),
    QStringLiteral("Текст неактивного заголовка"),
    QStringLiteral("Подсветка кнопки"),
    QStringLiteral("Тёмная тень объёмных элементов"),
    QStringLiteral("Светлая грань объёмных элементов"),
    QStringLiteral("Текст подсказки"),
    QStringLiteral("Фон подсказки"),
    QString(),
    QStringLiteral("Отслеживаемый элемент"),
    QStringLiteral("Градиент активного заголовка"),
    QStringLiteral("Градиент неактивного заголовка"),
    QStringLiteral("Выделение меню"),
    QStringLiteral("Полоса меню"),
};
// A stored colour that is none of the listed ones; it is kept and written back unchanged.
inline const QString OtherColorName = QStringLiteral("Другой цвет");

// Spoken items: why they cannot be spoken, and what the settings dialog plays.
inline const QString NoSpeechEngine = QStringLiteral("Синтезатор речи не найден");
inline const QString SpeechEngineFailed = QStringLiteral("Синтезатор речи не работает: %s");
inline const QString NoSpeechVoice = QStringLiteral("Синтезатор речи не знает ни одного голоса");
inline const QString VoicesLoading = QStringLiteral("Голоса синтезатора речи загружаются");
inline const QString VoiceSample = QStringLiteral("Сорок семь, пятьсот двадцать три");

} // namespace Messages
