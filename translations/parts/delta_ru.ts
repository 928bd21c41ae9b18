<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
    <context>
        <name>MainActions</name>
        <message>
            <source>&amp;New</source>
            <translation>&amp;Создать</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>&amp;Открыть</translation>
        </message>
        <message>
            <source>Append File</source>
            <translation>Добавить файл</translation>
        </message>
        <message>
            <source>&amp;Recent files</source>
            <translation>&amp;Последние файлы</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>Со&amp;хранить</translation>
        </message>
        <message>
            <source>Save as...</source>
            <translation>Сохранить как...</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>В&amp;ыход</translation>
        </message>
        <message>
            <source>&amp;Rename</source>
            <translation>&amp;Переименовать</translation>
        </message>
        <message>
            <source>Node &amp;type</source>
            <translation>&amp;Тип узла</translation>
        </message>
        <message>
            <source>&amp;Averaging</source>
            <translation>&amp;Усреднение</translation>
        </message>
        <message>
            <source>Overlay</source>
            <translation>Наложение</translation>
        </message>
        <message>
            <source>Average and overlay</source>
            <translation>Усреднение и наложение</translation>
        </message>
        <message>
            <source>Move &amp;Up</source>
            <translation>Переместить &amp;вверх</translation>
        </message>
        <message>
            <source>Move &amp;down</source>
            <translation>Переместить в&amp;низ</translation>
        </message>
        <message>
            <source>Select all</source>
            <translation>Выделить все</translation>
        </message>
        <message>
            <source>Fold all nodes</source>
            <translation>Свернуть все узлы</translation>
        </message>
        <message>
            <source>Unfold all nodes</source>
            <translation>Развернуть все узлы</translation>
        </message>
        <message>
            <source>Tree &amp;auto creation</source>
            <translation>&amp;Автоматическое построение дерева</translation>
        </message>
        <message>
            <source>Inverse by X</source>
            <translation>Инвертировать по X</translation>
        </message>
        <message>
            <source>Inverse by Y</source>
            <translation>Инвертировать по Y</translation>
        </message>
        <message>
            <source>Set potential shift</source>
            <translation>Задать сдвиг потенциала</translation>
        </message>
        <message>
            <source>Smoothing</source>
            <translation>Сглаживание</translation>
        </message>
        <message>
            <source>Copy chart to clipboard</source>
            <translation>Копировать график в буфер обмена</translation>
        </message>
        <message>
            <source>Copy calculation chart to clipboard</source>
            <translation>Копировать график расчета в буфер обмена</translation>
        </message>
        <message>
            <source>Copy chart</source>
            <translation>Копировать график</translation>
        </message>
        <message>
            <source>Copy selection to Clipboard</source>
            <translation>Копировать выделенное в буфер обмена</translation>
        </message>
        <message>
            <source>Paste data from clipboard</source>
            <translation>Вставить данные из буфера обмена</translation>
        </message>
        <message>
            <source>&amp;Fit image</source>
            <translation>&amp;Вписать изображение</translation>
        </message>
        <message>
            <source>Paint &amp;X-axis</source>
            <translation>Ось &amp;X</translation>
        </message>
        <message>
            <source>Paint &amp;Y-axis</source>
            <translation>Ось &amp;Y</translation>
        </message>
        <message>
            <source>Paint &amp;grid</source>
            <translation>&amp;Сетка</translation>
        </message>
        <message>
            <source>Paint &amp;captions</source>
            <translation>&amp;Подписи</translation>
        </message>
        <message>
            <source>Hide names</source>
            <translation>Скрыть названия</translation>
        </message>
        <message>
            <source>Show comments</source>
            <translation>Показывать комментарии</translation>
        </message>
        <message>
            <source>Show database name</source>
            <translation>Показывать имя базы данных</translation>
        </message>
        <message>
            <source>Show measurement types</source>
            <translation>Показывать типы измерений</translation>
        </message>
        <message>
            <source>&amp;Legend</source>
            <translation>&amp;Легенда</translation>
        </message>
        <message>
            <source>&amp;None</source>
            <translation>&amp;Нет</translation>
        </message>
        <message>
            <source>&amp;Right</source>
            <translation>С&amp;права</translation>
        </message>
        <message>
            <source>&amp;Left</source>
            <translation>С&amp;лева</translation>
        </message>
        <message>
            <source>&amp;Top</source>
            <translation>С&amp;верху</translation>
        </message>
        <message>
            <source>&amp;Bottom</source>
            <translation>Сн&amp;изу</translation>
        </message>
        <message>
            <source>Show 3D chart</source>
            <translation>Показывать 3D-график</translation>
        </message>
        <message>
            <source>Show peak borders</source>
            <translation>Показывать границы пиков</translation>
        </message>
        <message>
            <source>Show each peak border</source>
            <translation>Показывать границы каждого пика</translation>
        </message>
        <message>
            <source>Show 3D curves for peaks</source>
            <translation>Показывать 3D-кривые пиков</translation>
        </message>
        <message>
            <source>Show Peak info</source>
            <translation>Показывать сведения о пиках</translation>
        </message>
        <message>
            <source>Chart &amp;background</source>
            <translation>&amp;Фон графика</translation>
        </message>
        <message>
            <source>Black&amp;&amp;white chart</source>
            <translation>Черный&amp;&amp;белый график</translation>
        </message>
        <message>
            <source>Undo zoom</source>
            <translation>Отменить масштабирование</translation>
        </message>
        <message>
            <source>Show timer</source>
            <translation>Показывать таймер</translation>
        </message>
        <message>
            <source>Properties...</source>
            <translation>Свойства...</translation>
        </message>
        <message>
            <source>Semi-integral</source>
            <translation>Полуинтеграл</translation>
        </message>
        <message>
            <source>Semilogarithmic coordinates</source>
            <translation>Полулогарифмические координаты</translation>
        </message>
        <message>
            <source>Export chart to MS Excel</source>
            <translation>Экспорт графика в MS Excel</translation>
        </message>
        <message>
            <source>Signal modeling</source>
            <translation>Моделирование сигнала</translation>
        </message>
        <message>
            <source>Debug</source>
            <translation>Отладка</translation>
        </message>
        <message>
            <source>Reset &amp;device</source>
            <translation>&amp;Сброс прибора</translation>
        </message>
        <message>
            <source>&amp;Record parameters</source>
            <translation>&amp;Параметры записи</translation>
        </message>
        <message>
            <source>&amp;Start record</source>
            <translation>&amp;Начать запись</translation>
        </message>
        <message>
            <source>Start from &amp;current step</source>
            <translation>Начать с &amp;текущего шага</translation>
        </message>
        <message>
            <source>Run script</source>
            <translation>Выполнить сценарий</translation>
        </message>
        <message>
            <source>&amp;Pause</source>
            <translation>П&amp;ауза</translation>
        </message>
        <message>
            <source>Turn on/off the mixer </source>
            <translation>Включить/выключить мешалку </translation>
        </message>
        <message>
            <source>Set sampler position</source>
            <translation>Задать позицию автосамплера</translation>
        </message>
        <message>
            <source>Change peak calculation type</source>
            <translation>Изменить способ расчета пиков</translation>
        </message>
        <message>
            <source>Calculate peaks by amplitude</source>
            <translation>Расчет пиков по высоте</translation>
        </message>
        <message>
            <source>Calculate peaks by square</source>
            <translation>Расчет пиков по площади</translation>
        </message>
        <message>
            <source>Calculate peaks by the difference of minimum and maximum</source>
            <translation>Расчет пиков по разности минимума и максимума</translation>
        </message>
        <message>
            <source>Calculate peaks by the difference of minimum and maximum with bilinear correction</source>
            <translation>Расчет пиков по разности минимума и максимума с билинейной коррекцией</translation>
        </message>
        <message>
            <source>Turning points search</source>
            <translation>Поиск точек перегиба</translation>
        </message>
        <message>
            <source>Calculate Red/Ox peaks difference on CVA</source>
            <translation>Расчет разности пиков Red/Ox на ЦВА</translation>
        </message>
        <message>
            <source>Wave linearization</source>
            <translation>Линеаризация волны</translation>
        </message>
        <message>
            <source>Calculate peaks by the difference of minimum and maximum with linear correction</source>
            <translation>Расчет пиков по разности минимума и максимума с линейной коррекцией</translation>
        </message>
        <message>
            <source>Change baseline type</source>
            <translation>Изменить тип базовой линии</translation>
        </message>
        <message>
            <source>Linear baseline approximation</source>
            <translation>Линейная аппроксимация базовой линии</translation>
        </message>
        <message>
            <source>Spline baseline approximation</source>
            <translation>Сплайн-аппроксимация базовой линии</translation>
        </message>
        <message>
            <source>Peaks marking</source>
            <translation>Разметка пиков</translation>
        </message>
        <message>
            <source>Add cell</source>
            <translation>Добавить ячейку</translation>
        </message>
        <message>
            <source>Remove cell</source>
            <translation>Удалить ячейку</translation>
        </message>
        <message>
            <source>Calculations chart</source>
            <translation>График расчетов</translation>
        </message>
        <message>
            <source>Add to report</source>
            <translation>Добавить в отчет</translation>
        </message>
        <message>
            <source>Save report</source>
            <translation>Сохранить отчет</translation>
        </message>
        <message>
            <source>Remove report</source>
            <translation>Удалить отчет</translation>
        </message>
        <message>
            <source>Clear report</source>
            <translation>Очистить отчет</translation>
        </message>
        <message>
            <source>Remove element from report</source>
            <translation>Удалить элемент из отчета</translation>
        </message>
        <message>
            <source>Calibrations base...</source>
            <translation>База градуировок...</translation>
        </message>
        <message>
            <source>Save calibration</source>
            <translation>Сохранить градуировку</translation>
        </message>
        <message>
            <source>Include zero point</source>
            <translation>Учитывать нулевую точку</translation>
        </message>
        <message>
            <source>Calculation statistics...</source>
            <translation>Статистика расчета...</translation>
        </message>
        <message>
            <source>Clear method</source>
            <translation>Очистить методику</translation>
        </message>
        <message>
            <source>Methods editor...</source>
            <translation>Редактор методик...</translation>
        </message>
        <message>
            <source>Method script editor...</source>
            <translation>Редактор сценария методики...</translation>
        </message>
        <message>
            <source>Measurement wizard...</source>
            <translation>Мастер измерений...</translation>
        </message>
        <message>
            <source>Assembly assistant...</source>
            <translation>Помощник сборки...</translation>
        </message>
        <message>
            <source>&amp;Help Context</source>
            <translation>&amp;Контекстная справка</translation>
        </message>
        <message>
            <source>Check for updates</source>
            <translation>Проверить обновления</translation>
        </message>
        <message>
            <source>&amp;About...</source>
            <translation>&amp;О программе...</translation>
        </message>
    </context>
    <context>
        <name>Messages</name>
        <message>
            <source>You have exported data to file (%s), but all new changes will be stored in the database (%s).<byte value="xd" /> This option may be changed in Settings dialog by switching to 'Separate files' mode in 'Data storage' box.</source>
            <translation>Данные экспортированы в файл (%s), но все новые изменения будут сохраняться в базе данных (%s).<byte value="xd" /> Это можно изменить в окне настроек, выбрав режим «Отдельные файлы» в группе «Хранение данных».</translation>
        </message>
        <message>
            <source>%s: every peak was found, and nothing here needs your attention.</source>
            <translation>%s: все пики найдены, ничто не требует вашего внимания.</translation>
        </message>
        <message>
            <source>%s: the peak %s was not found between %s and %s mV. Check the electrode and the solution.</source>
            <translation>%s: пик %s не найден в диапазоне от %s до %s мВ. Проверьте электрод и раствор.</translation>
        </message>
        <message>
            <source>%s: the peak %s is overloaded: the current reaches %s µA, the limit of the current range. Record it again with a larger current range or a shorter electrolysis.</source>
            <translation>%s: пик %s в перегрузке: ток достигает %s мкА, предела диапазона тока. Запишите его заново с большим диапазоном тока или с меньшим временем накопления.</translation>
        </message>
        <message>
            <source>%s: the top of the peak %s is cut off flat at %s µA. Record it again with a larger current range or a shorter electrolysis.</source>
            <translation>%s: вершина пика %s срезана на уровне %s мкА. Запишите его заново с большим диапазоном тока или с меньшим временем накопления.</translation>
        </message>
        <message>
            <source>%s: the replicates of the peak %s differ by %s%% of their mean; the statistics "%s" allow %s%%. Consider recording the pass again.</source>
            <translation>%s: повторные измерения пика %s расходятся на %s%% от среднего; статистика «%s» допускает %s%%. Рекомендуется записать этот этап заново.</translation>
        </message>
        <message>
            <source>%s: the replicates of the peak %s differ by %s%% of their mean; at most %s%% is expected. Consider recording the pass again.</source>
            <translation>%s: повторные измерения пика %s расходятся на %s%% от среднего; допустимо не более %s%%. Рекомендуется записать этот этап заново.</translation>
        </message>
        <message>
            <source>%s: the addition did not raise the peak %s. Check the standard solution and the addition.</source>
            <translation>%s: добавка не увеличила пик %s. Проверьте стандартный раствор и добавку.</translation>
        </message>
        <message>
            <source>%s: the addition raised the peak %s by only %s%% of the sample's peak (at least %s%% is advisable). Use a larger addition, about %s ml.</source>
            <translation>%s: добавка увеличила пик %s лишь на %s%% от пика пробы (рекомендуется не менее %s%%). Используйте большую добавку, около %s мл.</translation>
        </message>
        <message>
            <source>%s: the addition raised the peak %s by only %s%% of the sample's peak (at least %s%% is advisable). Use a larger addition.</source>
            <translation>%s: добавка увеличила пик %s лишь на %s%% от пика пробы (рекомендуется не менее %s%%). Используйте большую добавку.</translation>
        </message>
        <message>
            <source>%s: the standard additions line of the peak %s is not straight enough: R² = %s, less than %s. Check the additions or record them again.</source>
            <translation>%s: зависимость для стандартных добавок пика %s недостаточно линейна: R² = %s, меньше %s. Проверьте добавки или запишите их заново.</translation>
        </message>
        <message>
            <source>The help context map is damaged: line %s is not "number page#anchor".</source>
            <translation>Карта контекстов справки повреждена: строка %s не имеет вида «номер страница#якорь».</translation>
        </message>
        <message>
            <source>The help context map is damaged: context %s is listed twice (line %s).</source>
            <translation>Карта контекстов справки повреждена: контекст %s указан дважды (строка %s).</translation>
        </message>
        <message>
            <source>The help context map is damaged: it has more than %s lines.</source>
            <translation>Карта контекстов справки повреждена: в ней больше %s строк.</translation>
        </message>
        <message>
            <source>The help context map is damaged: it is larger than %s bytes.</source>
            <translation>Карта контекстов справки повреждена: ее размер больше %s байт.</translation>
        </message>
        <message>
            <source>The help pages were not found beside the program or in "%s".</source>
            <translation>Страницы справки не найдены ни рядом с программой, ни в «%s».</translation>
        </message>
    </context>
    <context>
        <name>velmora::ChartToolsHost</name>
        <message>
            <source> X </source>
            <translation> X </translation>
        </message>
        <message>
            <source>  Y </source>
            <translation>  Y </translation>
        </message>
    </context>
    <context>
        <name>velmora::HelpViewer</name>
        <message>
            <source>Help - %1</source>
            <translation>Справка - %1</translation>
        </message>
        <message>
            <source>Contents</source>
            <translation>Содержание</translation>
        </message>
        <message>
            <source>Forward</source>
            <translation>Вперед</translation>
        </message>
    </context>
    <context>
        <name>velmora::StartPanel</name>
        <message>
            <source>Start the measurement wizard</source>
            <translation>Запустить мастер измерений</translation>
        </message>
        <message>
            <source>A complete analysis from a method to the report</source>
            <translation>Полный анализ: от методики до отчета</translation>
        </message>
        <message>
            <source>User guide</source>
            <translation>Руководство пользователя</translation>
        </message>
        <message>
            <source>A first voltammogram, peaks, concentrations, methods and reports step by step</source>
            <translation>Первая вольтамперограмма, пики, концентрации, методики и отчеты шаг за шагом</translation>
        </message>
    </context>
    <context>
        <name>velmora::TCalibrForm</name>
        <message>
            <source>E, mV</source>
            <translation>E, мВ</translation>
        </message>
        <message>
            <source>I, µA</source>
            <translation>I, мкА</translation>
        </message>
    </context>
    <context>
        <name>velmora::TMWizForm</name>
        <message>
            <source>Select data:</source>
            <translation>Выбор данных:</translation>
        </message>
        <message>
            <source>Peaks marking</source>
            <translation>Разметка пиков</translation>
        </message>
        <message>
            <source>Smoothing</source>
            <translation>Сглаживание</translation>
        </message>
        <message>
            <source>Undo zoom</source>
            <translation>Отменить масштабирование</translation>
        </message>
        <message>
            <source>Show calculations chart</source>
            <translation>Показать график расчетов</translation>
        </message>
        <message>
            <source>Use custom statistics</source>
            <translation>Использовать свою статистику</translation>
        </message>
        <message>
            <source> (%1)</source>
            <translation> (%1)</translation>
        </message>
        <message>
            <source>Repeat %1</source>
            <translation>Повтор %1</translation>
        </message>
        <message>
            <source>Skip</source>
            <translation>Пропустить</translation>
        </message>
        <message>
            <source>Repeat</source>
            <translation>Повторить</translation>
        </message>
        <message>
            <source>Information</source>
            <translation>Информация</translation>
        </message>
        <message>
            <source>Trying to connect to device...</source>
            <translation>Подключение к прибору...</translation>
        </message>
        <message>
            <source>Warning! This method is a simulation.</source>
            <translation>Внимание! Это методика моделирования.</translation>
        </message>
        <message>
            <source>Device successfully connected</source>
            <translation>Прибор успешно подключен</translation>
        </message>
        <message>
            <source>Warning! Device is not connected. Press "Setup connection" to fix it.</source>
            <translation>Внимание! Прибор не подключен. Нажмите «Настройка соединения», чтобы это исправить.</translation>
        </message>
        <message>
            <source>Cell type:</source>
            <translation>Тип ячейки:</translation>
        </message>
        <message>
            <source>Working electrode:</source>
            <translation>Рабочий электрод:</translation>
        </message>
        <message>
            <source>Parallel sample %1 of %2</source>
            <translation>Параллельная проба %1 из %2</translation>
        </message>
        <message>
            <source>Clear the cell. </source>
            <translation>Очистите ячейку. </translation>
        </message>
        <message>
            <source>You must use exactly the same parameters for the analyzed sample.</source>
            <translation>Для анализируемой пробы необходимо использовать точно такие же параметры.</translation>
        </message>
        <message>
            <source>Pour the prepared activation solution (%1) into the cell.</source>
            <translation>Налейте в ячейку подготовленный раствор для активации (%1).</translation>
        </message>
        <message>
            <source>Pour the prepared control solution into the cell.</source>
            <translation>Налейте в ячейку подготовленный контрольный раствор.</translation>
        </message>
        <message>
            <source>Check parameters in table below and correct if necessary.</source>
            <translation>Проверьте параметры в таблице ниже и при необходимости исправьте их.</translation>
        </message>
        <message>
            <source>You can skip this step.</source>
            <translation>Этот шаг можно пропустить.</translation>
        </message>
        <message>
            <source>Pour the prepared solution of the sample into the cell.</source>
            <translation>Налейте в ячейку подготовленный раствор пробы.</translation>
        </message>
        <message>
            <source>Pour the prepared reference solution into the cell.</source>
            <translation>Налейте в ячейку подготовленный раствор сравнения.</translation>
        </message>
        <message>
            <source>Add the standard solution into the cell.</source>
            <translation>Внесите в ячейку стандартный раствор.</translation>
        </message>
        <message>
            <source>Dip electrodes into prepared solution.</source>
            <translation>Опустите электроды в подготовленный раствор.</translation>
        </message>
        <message>
            <source>Press the Next button when ready.</source>
            <translation>Когда все будет готово, нажмите кнопку «Далее».</translation>
        </message>
        <message>
            <source>Activation solution volume, cm^3^</source>
            <translation>Объем раствора для активации, см^3^</translation>
        </message>
        <message>
            <source>Sample name</source>
            <translation>Название пробы</translation>
        </message>
        <message>
            <source>Addition %1, cm^3^</source>
            <translation>Добавка %1, см^3^</translation>
        </message>
        <message>
            <source>C(%1), %2/%3</source>
            <translation>C(%1), %2/%3</translation>
        </message>
        <message>
            <source>You can modify measurement program</source>
            <translation>Программу измерения можно изменить</translation>
        </message>
        <message>
            <source>You can NOT modify measurement program</source>
            <translation>Программу измерения изменить НЕЛЬЗЯ</translation>
        </message>
        <message>
            <source>Current stage: %1</source>
            <translation>Текущий этап: %1</translation>
        </message>
        <message>
            <source>simulation</source>
            <translation>моделирование</translation>
        </message>
        <message>
            <source>Measurement wizard</source>
            <translation>Мастер измерений</translation>
        </message>
        <message>
            <source>Simulation: the curves of this run are replayed data, not measurements.</source>
            <translation>Моделирование: кривые этого анализа — воспроизведенные данные, а не измерения.</translation>
        </message>
        <message>
            <source>Choose the method in the list and press the Next button.</source>
            <translation>Выберите методику в списке и нажмите кнопку «Далее».</translation>
        </message>
        <message>
            <source>Methods list</source>
            <translation>Список методик</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Удалить</translation>
        </message>
        <message>
            <source>Assemble the cell and connect electrodes to jacks according to the manual.</source>
            <translation>Соберите ячейку и подключите электроды к гнездам согласно руководству по эксплуатации.</translation>
        </message>
        <message>
            <source>Method options</source>
            <translation>Параметры методики</translation>
        </message>
        <message>
            <source>Number of parallel samples:</source>
            <translation>Число параллельных проб:</translation>
        </message>
        <message>
            <source>Number of standard additions:</source>
            <translation>Число стандартных добавок:</translation>
        </message>
        <message>
            <source>Record control solution voltammogram</source>
            <translation>Записать вольтамперограмму контрольного раствора</translation>
        </message>
        <message>
            <source>Setup connection</source>
            <translation>Настройка соединения</translation>
        </message>
        <message>
            <source>Number of repetitions of a single measurement:</source>
            <translation>Число повторов одного измерения:</translation>
        </message>
        <message>
            <source>Change</source>
            <translation>Изменить</translation>
        </message>
        <message>
            <source>Reset to default</source>
            <translation>По умолчанию</translation>
        </message>
        <message>
            <source>Analysis in progress...</source>
            <translation>Идет анализ...</translation>
        </message>
        <message>
            <source>Activation check</source>
            <translation>Проверка активации</translation>
        </message>
    </context>
    <context>
        <name>velmora::TOldStyleRecordForm</name>
        <message>
            <source>0.2 µA/20  nA</source>
            <translation>0,2 мкА/20  нА</translation>
        </message>
        <message>
            <source>2   µA/0.2 µA</source>
            <translation>2   мкА/0,2 мкА</translation>
        </message>
        <message>
            <source>20  µA/2   µA</source>
            <translation>20  мкА/2   мкА</translation>
        </message>
        <message>
            <source>200 µA/20  µA</source>
            <translation>200 мкА/20  мкА</translation>
        </message>
        <message>
            <source>2   mA/200 µA</source>
            <translation>2   мА/200 мкА</translation>
        </message>
        <message>
            <source>I(t)</source>
            <translation>I(t)</translation>
        </message>
        <message>
            <source>U(t) I=const</source>
            <translation>U(t) I=const</translation>
        </message>
        <message>
            <source>U(t)</source>
            <translation>U(t)</translation>
        </message>
    </context>
    <context>
        <name>velmora::TReportPage</name>
        <message>
            <source>Ion concentration in the sample (with account for dilution, or mass concentration)</source>
            <translation>Концентрация иона в пробе (с учетом разбавления, или массовая концентрация)</translation>
        </message>
        <message>
            <source>Medium ion concentration in the sample (with account for dilution, or mass concentration)</source>
            <translation>Среднее значение концентрации иона в пробе (с учетом разбавления, или массовая концентрация)</translation>
        </message>
        <message>
            <source>Reproducibility</source>
            <translation>Воспроизводимость</translation>
        </message>
        <message>
            <source>Percent error</source>
            <translation>Относительная погрешность</translation>
        </message>
        <message>
            <source>Absolute error of the measurement results</source>
            <translation>Абсолютная погрешность результатов измерений</translation>
        </message>
    </context>
</TS>
