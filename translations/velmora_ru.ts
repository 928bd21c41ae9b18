<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>BackgroundTask</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ColorValue</name>
    <message>
        <source>Black</source>
        <translation>Черный</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Бордовый</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зеленый</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Оливковый</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Темно-синий</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Фиолетовый</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Сине-зеленый</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Серый</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Серебро</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Салатовый</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Желтый</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Фуксия</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Голубой</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>Money green</source>
        <translation>Серо-зеленый</translation>
    </message>
    <message>
        <source>Sky blue</source>
        <translation>Небесно-голубой</translation>
    </message>
    <message>
        <source>Cream</source>
        <translation>Кремовый</translation>
    </message>
    <message>
        <source>Medium gray</source>
        <translation>Средне-серый</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Выделение</translation>
    </message>
    <message>
        <source>Highlighted text</source>
        <translation>Выделенный текст</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Окно</translation>
    </message>
    <message>
        <source>Window text</source>
        <translation>Текст окна</translation>
    </message>
    <message>
        <source>Button face</source>
        <translation>Поверхность кнопки</translation>
    </message>
    <message>
        <source>Button text</source>
        <translation>Текст кнопки</translation>
    </message>
</context>
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
        <source>Data import</source>
        <translation>Импорт данных</translation>
    </message>
    <message>
        <source>&amp;Export chart to file</source>
        <translation>&amp;Экспорт графика в файл</translation>
    </message>
    <message>
        <source>&amp;Export &amp;&amp;import</source>
        <translation>&amp;Экспорт &amp;&amp; импорт</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
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
        <source>Group nodes</source>
        <translation>Группировка узлов</translation>
    </message>
    <message>
        <source>Separate nodes</source>
        <translation>Разделение узлов</translation>
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
        <source>Remove selected</source>
        <translation>Удаление выделенного</translation>
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
        <source>Set peak potential</source>
        <translation>Задать потенциал пика</translation>
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
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
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
        <source>Settings...</source>
        <translation>Настройки...</translation>
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
        <source>Run</source>
        <translation>Выполнение</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>П&amp;ауза</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Стоп</translation>
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
        <source>Electrode down</source>
        <translation>Электрод вниз</translation>
    </message>
    <message>
        <source>Electrode up</source>
        <translation>Электрод вверх</translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation>Расчеты</translation>
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
        <source>Add peak</source>
        <translation>Добавить пик</translation>
    </message>
    <message>
        <source>Remove cell</source>
        <translation>Удалить ячейку</translation>
    </message>
    <message>
        <source>Remove peak</source>
        <translation>Удаление пика</translation>
    </message>
    <message>
        <source>Rename peak</source>
        <translation>Переименование пика</translation>
    </message>
    <message>
        <source>Peaks auto search</source>
        <translation>Автопоиск пиков</translation>
    </message>
    <message>
        <source>Calculations chart</source>
        <translation>График расчетов</translation>
    </message>
    <message>
        <source>Equation editor...</source>
        <translation>Редактор формул...</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Вычитание</translation>
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
        <source>Remove calibration</source>
        <translation>Удалить градуировку</translation>
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
        <source>Autosampler</source>
        <translation>Автосамплер</translation>
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
    <message>
        <source>Results...</source>
        <translation>Результаты...</translation>
    </message>
    <message>
        <source>Add to archive</source>
        <translation>Добавить в архив</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Velmora-VA (beta)</source>
        <translation>Velmora-VA (бета-версия)</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Без имени</translation>
    </message>
    <message>
        <source>modified</source>
        <translation>изменен</translation>
    </message>
    <message>
        <source>Unknown file format %s</source>
        <translation>Неизвестный формат файла %s</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a valid integer value</source>
        <translation>«%s» не является допустимым целым числом</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%s&quot;. %s</source>
        <translation>Не удается открыть файл «%s». %s</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%s&quot;. %s</source>
        <translation>Не удается создать файл «%s». %s</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Ошибка чтения потока</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Ошибка записи потока</translation>
    </message>
    <message>
        <source>The data is damaged or truncated: %s at offset %s needs %s bytes, but only %s remain.</source>
        <translation>Данные повреждены или обрезаны: для «%s» по смещению %s нужно %s байт, но осталось только %s.</translation>
    </message>
    <message>
        <source>The data is damaged: %s of %s does not fit in the %s bytes that remain.</source>
        <translation>Данные повреждены: значение «%s» (%s) не помещается в оставшиеся %s байт.</translation>
    </message>
    <message>
        <source>The data is damaged: block %s at offset %s has the size %s, but only %s bytes remain.</source>
        <translation>Данные повреждены: блок %s по смещению %s имеет размер %s, но осталось только %s байт.</translation>
    </message>
    <message>
        <source>The data is damaged: %s stray bytes at offset %s do not form a block.</source>
        <translation>Данные повреждены: %s лишних байт по смещению %s не образуют блок.</translation>
    </message>
    <message>
        <source>The data is damaged: the nodes are nested deeper than %s levels.</source>
        <translation>Данные повреждены: вложенность узлов глубже %s уровней.</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Loading forms...</source>
        <translation>Загрузка форм...</translation>
    </message>
    <message>
        <source>Loading parameters...</source>
        <translation>Загрузка параметров...</translation>
    </message>
    <message>
        <source>Loading methods...</source>
        <translation>Загрузка методик...</translation>
    </message>
    <message>
        <source>Loading file...</source>
        <translation>Загрузка файла...</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>Opening file...</source>
        <translation>Открытие файла...</translation>
    </message>
    <message>
        <source>Saving to file</source>
        <translation>Сохранение в файл</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Сохранить изменения?</translation>
    </message>
    <message>
        <source>File contains unread data blocks. Probably it was created in newer version of program. Saving may cause some data loss!</source>
        <translation>Файл содержит непрочитанные блоки данных. Вероятно, он создан более новой версией программы. При сохранении часть данных может быть потеряна!</translation>
    </message>
    <message>
        <source>Would you like to save the Document in newer Bundled format (one file) or in old format (many files, tree-like structure will be lost)?</source>
        <translation>Сохранить документ в новом едином формате (один файл) или в старом формате (много файлов, древовидная структура будет потеряна)?</translation>
    </message>
    <message>
        <source>The database already exists in this folder. Select another folder or create a new one</source>
        <translation>В этой папке уже есть база данных. Выберите другую папку или создайте новую</translation>
    </message>
    <message>
        <source>You have exported data to file (%s), but all new changes will be stored in the database (%s).<byte value="xd"/> This option may be changed in Settings dialog by switching to &apos;Separate files&apos; mode in &apos;Data storage&apos; box.</source>
        <translation>Данные экспортированы в файл (%s), но все новые изменения будут сохраняться в базе данных (%s).<byte value="xd"/> Это можно изменить в окне настроек, выбрав режим «Отдельные файлы» в группе «Хранение данных».</translation>
    </message>
    <message>
        <source>Supported formats|*.mbd; *.tvx|*.tvx|*.tvx|*.mbd|*.mbd</source>
        <translation>Поддерживаемые форматы|*.mbd; *.tvx|*.tvx|*.tvx|*.mbd|*.mbd</translation>
    </message>
    <message>
        <source>Any file|*.*|*.dat|*.dat</source>
        <translation>Все файлы|*.*|*.dat|*.dat</translation>
    </message>
    <message>
        <source>*.tvx|*.tvx|*.mbd|*.mbd</source>
        <translation>*.tvx|*.tvx|*.mbd|*.mbd</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a valid floating point value</source>
        <translation>«%s» не является допустимым числом с плавающей точкой</translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; is not a document file.</source>
        <translation>Файл «%s» не является файлом документа.</translation>
    </message>
    <message>
        <source>The curve &quot;%s&quot; holds %d peaks; the old format keeps only the first 21.</source>
        <translation>Кривая «%s» содержит пиков: %d; старый формат сохраняет только первые 21.</translation>
    </message>
    <message>
        <source>Line %s of the file cannot be read as a row of numbers: &quot;%s&quot;</source>
        <translation>Строку %s файла не удается прочитать как строку чисел: «%s»</translation>
    </message>
    <message>
        <source>The file holds no rows of two or more numbers.</source>
        <translation>В файле нет строк из двух или более чисел.</translation>
    </message>
    <message>
        <source>The file has %s columns: the potential and current columns must be chosen.</source>
        <translation>В файле столбцов: %s; нужно выбрать столбцы потенциала и тока.</translation>
    </message>
    <message>
        <source>The file has no column %s.</source>
        <translation>В файле нет столбца %s.</translation>
    </message>
    <message>
        <source>Current density, %s</source>
        <translation>Плотность тока, %s</translation>
    </message>
    <message>
        <source>Remove selected?</source>
        <translation>Удалить выделенное?</translation>
    </message>
    <message>
        <source>Supporting electrolyte</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>Analyte</source>
        <translation>Проба</translation>
    </message>
    <message>
        <source>Added standard 1</source>
        <translation>Проба с добавкой 1</translation>
    </message>
    <message>
        <source>Added standard 2</source>
        <translation>Проба с добавкой 2</translation>
    </message>
    <message>
        <source>Added standard 3</source>
        <translation>Проба с добавкой 3</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Раствор сравнения</translation>
    </message>
    <message>
        <source>Volume of sample taken for analyte preparation, cm^3^</source>
        <translation>Объем пробы, взятой для пробоподготовки, см^3^</translation>
    </message>
    <message>
        <source>Preliminary dilution of sample. If none then enter 1.</source>
        <translation>Предварительное разбавление пробы. Если его не было, введите 1.</translation>
    </message>
    <message>
        <source>Mass of sample taken for ashing, g</source>
        <translation>Масса пробы, взятой для озоления, г</translation>
    </message>
    <message>
        <source>Volume of solution obtained after dissolving of ash, cm^3^</source>
        <translation>Объем раствора, полученного после растворения золы, см^3^</translation>
    </message>
    <message>
        <source>Background volume, cm^3^</source>
        <translation>Объем фона, см^3^</translation>
    </message>
    <message>
        <source>Volume of analyte poured into the cell, cm^3^</source>
        <translation>Объем пробы, внесенной в ячейку, см^3^</translation>
    </message>
    <message>
        <source>Addition 1, cm^3^</source>
        <translation>Добавка 1, см^3^</translation>
    </message>
    <message>
        <source>Addition 2, cm^3^</source>
        <translation>Добавка 2, см^3^</translation>
    </message>
    <message>
        <source>Addition 3, cm^3^</source>
        <translation>Добавка 3, см^3^</translation>
    </message>
    <message>
        <source>Reference, cm^3^</source>
        <translation>Раствор сравнения, см^3^</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Values range</source>
        <translation>Диапазон тока</translation>
    </message>
    <message>
        <source>Conjunction type</source>
        <translation>Схема подключения</translation>
    </message>
    <message>
        <source>Stirrer</source>
        <translation>Мешалка</translation>
    </message>
    <message>
        <source>Stirrer type</source>
        <translation>Тип мешалки</translation>
    </message>
    <message>
        <source>Delay after mixing</source>
        <translation>Задержка после перемешивания</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>%d rpm</source>
        <translation>%d об/мин</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>Preparation 1</source>
        <translation>Подготовка 1</translation>
    </message>
    <message>
        <source>Preparation 2</source>
        <translation>Подготовка 2</translation>
    </message>
    <message>
        <source>Electrolysis</source>
        <translation>Электролиз</translation>
    </message>
    <message>
        <source>%d mV %d sec</source>
        <translation>%d мВ %d с</translation>
    </message>
    <message>
        <source>Compensation</source>
        <translation>Компенсация</translation>
    </message>
    <message>
        <source>Sweep rate</source>
        <translation>Скорость развертки</translation>
    </message>
    <message>
        <source>%d mV/sec</source>
        <translation>%d мВ/с</translation>
    </message>
    <message>
        <source>Sweep start</source>
        <translation>Начало развертки</translation>
    </message>
    <message>
        <source>Sweep end</source>
        <translation>Конец развертки</translation>
    </message>
    <message>
        <source>%d mV</source>
        <translation>%d мВ</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Модуляция</translation>
    </message>
    <message>
        <source>%d mV %d Hz</source>
        <translation>%d мВ %d Гц</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Retention, mV</source>
        <translation>Удержание, мВ</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Комментарии</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>200 nA</source>
        <translation>200 нА</translation>
    </message>
    <message>
        <source>2 mkA</source>
        <translation>2 мкА</translation>
    </message>
    <message>
        <source>20 mkA</source>
        <translation>20 мкА</translation>
    </message>
    <message>
        <source>200 mkA</source>
        <translation>200 мкА</translation>
    </message>
    <message>
        <source>2 mA</source>
        <translation>2 мА</translation>
    </message>
    <message>
        <source>2x electrodes</source>
        <translation>2-электродная</translation>
    </message>
    <message>
        <source>3x electrodes</source>
        <translation>3-электродная</translation>
    </message>
    <message>
        <source>4x electrodes</source>
        <translation>4-электродная</translation>
    </message>
    <message>
        <source>Regulated stirrer</source>
        <translation>Регулируемая мешалка</translation>
    </message>
    <message>
        <source>Regulated electrode</source>
        <translation>Регулируемый электрод</translation>
    </message>
    <message>
        <source>Rotating electrode</source>
        <translation>Вращающийся электрод</translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; is not a program set file: it holds %s bytes instead of %s.</source>
        <translation>Файл «%s» не является файлом набора программ: его размер %s байт вместо %s.</translation>
    </message>
    <message>
        <source>The program set does not fit this file format: it holds at most %s programs of %s steps.</source>
        <translation>Набор программ не помещается в этот формат файла: формат вмещает не более %s программ по %s шагов.</translation>
    </message>
    <message>
        <source>The data is damaged: %s holds the invalid count %s.</source>
        <translation>Данные повреждены: «%s» содержит недопустимое количество %s.</translation>
    </message>
    <message>
        <source>No responce from device. Command №%d</source>
        <translation>Нет ответа от прибора. Команда №%d</translation>
    </message>
    <message>
        <source>Error CRC</source>
        <translation>Ошибка CRC</translation>
    </message>
    <message>
        <source>Divice is not calibrated</source>
        <translation>Прибор не откалиброван</translation>
    </message>
    <message>
        <source>No responce from device on reset.</source>
        <translation>Нет ответа от прибора при сбросе.</translation>
    </message>
    <message>
        <source>Output error</source>
        <translation>Ошибка вывода</translation>
    </message>
    <message>
        <source>Com-port component is not specified!</source>
        <translation>Не задан компонент COM-порта!</translation>
    </message>
    <message>
        <source>Cannot open the serial port &quot;%s&quot;: %s</source>
        <translation>Не удается открыть последовательный порт «%s»: %s</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Usage of new 3 in 1 electrode is allowed</source>
        <translation>Использование нового электрода «3 в 1» разрешено</translation>
    </message>
    <message>
        <source>Usage of new 3 in 1 electrode is impossible</source>
        <translation>Использование нового электрода «3 в 1» невозможно</translation>
    </message>
    <message>
        <source>Stage complete</source>
        <translation>Стадия завершена</translation>
    </message>
    <message>
        <source>Ready for measurment</source>
        <translation>Готов к измерению</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Измерение</translation>
    </message>
    <message>
        <source>Circular buffer overflow</source>
        <translation>Переполнение кольцевого буфера</translation>
    </message>
    <message>
        <source>Mercury jet gap</source>
        <translation>Разрыв ртутной струи</translation>
    </message>
    <message>
        <source>3 in 1 electrode recovering</source>
        <translation>Восстановление электрода «3 в 1»</translation>
    </message>
    <message>
        <source>Status: %d</source>
        <translation>Состояние: %d</translation>
    </message>
    <message>
        <source>The coefficient %s is too large: it must not exceed 65535.</source>
        <translation>Коэффициент %s слишком велик: он не должен превышать 65535.</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Деление на ноль</translation>
    </message>
    <message>
        <source>The stirrer speed %d rpm is too high: it must stay below 2560 rpm.</source>
        <translation>Скорость мешалки %d об/мин слишком велика: она должна быть меньше 2560 об/мин.</translation>
    </message>
    <message>
        <source>Reset the instrument by pressing &quot;R&quot; button</source>
        <translation>Сбросьте прибор нажатием кнопки «R»</translation>
    </message>
    <message>
        <source>Do you really want to stop and reset the device?</source>
        <translation>Вы действительно хотите остановить и сбросить прибор?</translation>
    </message>
    <message>
        <source>The program did not end normally last time. %s recorded curves were not saved. Restore them into a new document?</source>
        <translation>В прошлый раз программа завершилась некорректно. Несохраненных записанных кривых: %s. Восстановить их в новый документ?</translation>
    </message>
    <message>
        <source>The end of the recovery journal was damaged; the curves before it were restored.</source>
        <translation>Конец журнала восстановления поврежден; кривые, записанные до него, восстановлены.</translation>
    </message>
    <message>
        <source>Autosampler not found. Check the connection and reset the device</source>
        <translation>Автосамплер не найден. Проверьте подключение и сбросьте прибор</translation>
    </message>
    <message>
        <source>Sample %d</source>
        <translation>Проба %d</translation>
    </message>
    <message>
        <source>Service cell</source>
        <translation>Служебная ячейка</translation>
    </message>
    <message>
        <source>The electrode did not go up. Raise it by hand before the tray is turned.</source>
        <translation>Электрод не поднялся. Поднимите его вручную, прежде чем поворачивать карусель.</translation>
    </message>
    <message>
        <source>The tray has no free cell left for the service cell &quot;%s&quot; of the method &quot;%s&quot;.</source>
        <translation>На карусели не осталось свободной ячейки для служебной ячейки «%s» методики «%s».</translation>
    </message>
    <message>
        <source>The service cells take %d of the 15 cells: one sample needs %d more. Uncheck a method to make room.</source>
        <translation>Служебные ячейки занимают %d из 15 ячеек: для одной пробы нужно еще %d. Снимите отметку с одной из методик, чтобы освободить место.</translation>
    </message>
    <message>
        <source>The curve &quot;%s&quot; could not be written to the recovery journal (%s). The batch is stopped so that no further curve is at risk.</source>
        <translation>Кривую «%s» не удалось записать в журнал восстановления (%s). Серия остановлена, чтобы не подвергать риску следующие кривые.</translation>
    </message>
    <message>
        <source>All types of programs|*.prg;*.car;*.vap|Single step program *.prg|*.prg|Multistep program *.car|*.car|New multistep program *.vap|*.vap</source>
        <translation>Все типы программ|*.prg;*.car;*.vap|Одношаговая программа *.prg|*.prg|Многошаговая программа *.car|*.car|Новая многошаговая программа *.vap|*.vap</translation>
    </message>
    <message>
        <source>New multistep program *.vap|*.vap|Multistep program *.car|*.car|Single step program *.prg|*.prg</source>
        <translation>Новая многошаговая программа *.vap|*.vap|Многошаговая программа *.car|*.car|Одношаговая программа *.prg|*.prg</translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; is not a program file of a known type.</source>
        <translation>Файл «%s» не является файлом программы известного типа.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%s&quot;.</source>
        <translation>Не удается открыть файл «%s».</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Discrete</source>
        <translation>Дискрет</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Potential</source>
        <translation>Потенциал</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Measurment time</source>
        <translation>Время измерения</translation>
    </message>
    <message>
        <source>mV/sec</source>
        <translation>мВ/с</translation>
    </message>
    <message>
        <source>V/sec</source>
        <translation>В/с</translation>
    </message>
    <message>
        <source>msec</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>mV</source>
        <translation>мВ</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Impuls mv/msec</source>
        <translation>Импульс мВ/мс</translation>
    </message>
    <message>
        <source>----</source>
        <translation>----</translation>
    </message>
    <message>
        <source>PolyFit called with less than two points</source>
        <translation>PolyFit вызван менее чем с двумя точками</translation>
    </message>
    <message>
        <source>Unknown %d</source>
        <translation>Неизвестный %d</translation>
    </message>
    <message>
        <source>Mixed peak calculation types</source>
        <translation>Разные способы расчета пиков</translation>
    </message>
    <message>
        <source>Mixed baseline types</source>
        <translation>Разные типы базовой линии</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Линейная</translation>
    </message>
    <message>
        <source>Spline</source>
        <translation>Сплайн</translation>
    </message>
    <message>
        <source>by height</source>
        <translation>по высоте</translation>
    </message>
    <message>
        <source>by square</source>
        <translation>по площади</translation>
    </message>
    <message>
        <source>by abs height</source>
        <translation>по абсолютной высоте</translation>
    </message>
    <message>
        <source>by abs height with two lines</source>
        <translation>по абсолютной высоте с двумя линиями</translation>
    </message>
    <message>
        <source>intersection point</source>
        <translation>точка пересечения</translation>
    </message>
    <message>
        <source>potential difference</source>
        <translation>разность потенциалов</translation>
    </message>
    <message>
        <source>linearization slope</source>
        <translation>наклон линеаризации</translation>
    </message>
    <message>
        <source>by abs height with line</source>
        <translation>по абсолютной высоте с линией</translation>
    </message>
    <message>
        <source>µA</source>
        <translation>мкА</translation>
    </message>
    <message>
        <source>µA*mV</source>
        <translation>мкА*мВ</translation>
    </message>
    <message>
        <source>Do you want to change all peaks calculation types?</source>
        <translation>Изменить способ расчета у всех пиков?</translation>
    </message>
    <message>
        <source>Do you want to change all peaks baseline types?</source>
        <translation>Изменить тип базовой линии у всех пиков?</translation>
    </message>
    <message>
        <source>The JSON text is damaged near byte %d.</source>
        <translation>Текст JSON поврежден около байта %d.</translation>
    </message>
    <message>
        <source>The JSON text nests deeper than %d levels.</source>
        <translation>Вложенность текста JSON глубже %d уровней.</translation>
    </message>
    <message>
        <source>The predefined peaks must be a list of objects.</source>
        <translation>Предопределенные пики должны быть заданы списком объектов.</translation>
    </message>
    <message>
        <source>Predefined peak %d: the field &quot;%s&quot; has a wrong value.</source>
        <translation>Предопределенный пик %d: поле «%s» имеет неверное значение.</translation>
    </message>
    <message>
        <source>One standard addition method</source>
        <translation>Метод одной стандартной добавки</translation>
    </message>
    <message>
        <source>Standard additions method</source>
        <translation>Метод стандартных добавок</translation>
    </message>
    <message>
        <source>Three standard additions method (Hg)</source>
        <translation>Метод трех стандартных добавок (Hg)</translation>
    </message>
    <message>
        <source>Comparative method</source>
        <translation>Метод сравнения</translation>
    </message>
    <message>
        <source>Calibration curve</source>
        <translation>Градуировочный график</translation>
    </message>
    <message>
        <source>By calibration</source>
        <translation>По градуировке</translation>
    </message>
    <message>
        <source>mm^3^</source>
        <translation>мм^3^</translation>
    </message>
    <message>
        <source>cm^3^</source>
        <translation>см^3^</translation>
    </message>
    <message>
        <source>dm^3^</source>
        <translation>дм^3^</translation>
    </message>
    <message>
        <source>m^3^</source>
        <translation>м^3^</translation>
    </message>
    <message>
        <source>µg</source>
        <translation>мкг</translation>
    </message>
    <message>
        <source>mg</source>
        <translation>мг</translation>
    </message>
    <message>
        <source>g</source>
        <translation>г</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>кг</translation>
    </message>
    <message>
        <source>Aliquot volume, cm^3^</source>
        <translation>Объем аликвоты, см^3^</translation>
    </message>
    <message>
        <source>Dilution factor</source>
        <translation>Коэффициент разбавления</translation>
    </message>
    <message>
        <source>Sample mass, g</source>
        <translation>Масса навески, г</translation>
    </message>
    <message>
        <source>Prepared volume, cm^3^</source>
        <translation>Объем пробы после подготовки, см^3^</translation>
    </message>
    <message>
        <source>Cell volume, cm^3^</source>
        <translation>Объем ячейки, см^3^</translation>
    </message>
    <message>
        <source>Number of electrons transferred in the redox event</source>
        <translation>Число электронов, участвующих в окислительно-восстановительной реакции</translation>
    </message>
    <message>
        <source>Electrode area, cm^2^</source>
        <translation>Площадь электрода, см^2^</translation>
    </message>
    <message>
        <source>Concentration, mol/dm^3^</source>
        <translation>Концентрация, моль/дм^3^</translation>
    </message>
    <message>
        <source>Temperature, K</source>
        <translation>Температура, К</translation>
    </message>
    <message>
        <source>Kinematic viscosity of the solution, cm^2^/s</source>
        <translation>Кинематическая вязкость раствора, см^2^/с</translation>
    </message>
    <message>
        <source>Diffusion coefficient, cm^2^/s</source>
        <translation>Коэффициент диффузии, см^2^/с</translation>
    </message>
    <message>
        <source>Select series using checkboxes</source>
        <translation>Выберите серии с помощью флажков</translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation>Концентрация</translation>
    </message>
    <message>
        <source>Square root of the sweep rate</source>
        <translation>Квадратный корень из скорости развертки</translation>
    </message>
    <message>
        <source>Square root of the angular frequency</source>
        <translation>Квадратный корень из угловой частоты</translation>
    </message>
    <message>
        <source>Cleaning potential</source>
        <translation>Потенциал очистки</translation>
    </message>
    <message>
        <source>Cleaning time</source>
        <translation>Время очистки</translation>
    </message>
    <message>
        <source>Preparation 1 potential</source>
        <translation>Потенциал подготовки 1</translation>
    </message>
    <message>
        <source>Preparation 1 time</source>
        <translation>Время подготовки 1</translation>
    </message>
    <message>
        <source>Preparation 2 potential</source>
        <translation>Потенциал подготовки 2</translation>
    </message>
    <message>
        <source>Preparation 2 time</source>
        <translation>Время подготовки 2</translation>
    </message>
    <message>
        <source>Electrolysis potential</source>
        <translation>Потенциал электролиза</translation>
    </message>
    <message>
        <source>Electrolysis time</source>
        <translation>Время электролиза</translation>
    </message>
    <message>
        <source>Modulation amplitude</source>
        <translation>Амплитуда модуляции</translation>
    </message>
    <message>
        <source>Modulation frequency</source>
        <translation>Частота модуляции</translation>
    </message>
    <message>
        <source>Method is not supported. Probably this file was created in newer version of the software. Update may solve this problem.</source>
        <translation>Метод расчета не поддерживается. Вероятно, файл создан более новой версией программы. Обновление может решить эту проблему.</translation>
    </message>
    <message>
        <source>Specify the dimension of the result</source>
        <translation>Укажите размерность результата</translation>
    </message>
    <message>
        <source>Supporting electrolyte current</source>
        <translation>Ток фона</translation>
    </message>
    <message>
        <source>Analyte current</source>
        <translation>Ток пробы</translation>
    </message>
    <message>
        <source>Added standard 1 current</source>
        <translation>Ток пробы с добавкой 1</translation>
    </message>
    <message>
        <source>Added standard 2 current</source>
        <translation>Ток пробы с добавкой 2</translation>
    </message>
    <message>
        <source>Added standard 3 current</source>
        <translation>Ток пробы с добавкой 3</translation>
    </message>
    <message>
        <source>Reference sample current</source>
        <translation>Ток раствора сравнения</translation>
    </message>
    <message>
        <source>Addition 1 concentration</source>
        <translation>Концентрация добавки 1</translation>
    </message>
    <message>
        <source>Addition 2 concentration</source>
        <translation>Концентрация добавки 2</translation>
    </message>
    <message>
        <source>Addition 3 concentration</source>
        <translation>Концентрация добавки 3</translation>
    </message>
    <message>
        <source>Empty variable name</source>
        <translation>Пустое имя переменной</translation>
    </message>
    <message>
        <source>The variable name can not consist only of digits</source>
        <translation>Имя переменной не может состоять только из цифр</translation>
    </message>
    <message>
        <source>Duplicate variable name</source>
        <translation>Повторяющееся имя переменной</translation>
    </message>
    <message>
        <source>Unknown variable</source>
        <translation>Неизвестная переменная</translation>
    </message>
    <message>
        <source>%s &apos;%s&apos;</source>
        <translation>%s «%s»</translation>
    </message>
    <message>
        <source>Remove selected</source>
        <translation>Удаление выделенного</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименование</translation>
    </message>
    <message>
        <source>Change node type</source>
        <translation>Изменение типа узла</translation>
    </message>
    <message>
        <source>Show/Hide series</source>
        <translation>Показ/скрытие серий</translation>
    </message>
    <message>
        <source>Fold/Unfold</source>
        <translation>Свертывание/развертывание</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Перемещение вверх</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Перемещение вниз</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Отметка</translation>
    </message>
    <message>
        <source>Group nodes</source>
        <translation>Группировка узлов</translation>
    </message>
    <message>
        <source>Separate nodes</source>
        <translation>Разделение узлов</translation>
    </message>
    <message>
        <source>Data change</source>
        <translation>Изменение данных</translation>
    </message>
    <message>
        <source>Peak change</source>
        <translation>Изменение пика</translation>
    </message>
    <message>
        <source>New peak</source>
        <translation>Новый пик</translation>
    </message>
    <message>
        <source>Remove peak</source>
        <translation>Удаление пика</translation>
    </message>
    <message>
        <source>Peaks auto search</source>
        <translation>Автопоиск пиков</translation>
    </message>
    <message>
        <source>Rename peak</source>
        <translation>Переименование пика</translation>
    </message>
    <message>
        <source>Parameters change</source>
        <translation>Изменение параметров</translation>
    </message>
    <message>
        <source>Potential shift</source>
        <translation>Сдвиг потенциала</translation>
    </message>
    <message>
        <source>Paste data</source>
        <translation>Вставка данных</translation>
    </message>
    <message>
        <source>Unable to open com port</source>
        <translation>Не удается открыть COM-порт</translation>
    </message>
    <message>
        <source>The folder &quot;%s&quot; does not exist. Choose an existing folder for the central database.</source>
        <translation>Папка «%s» не существует. Выберите существующую папку для центральной базы данных.</translation>
    </message>
    <message>
        <source>The analyzer is not on line. Connect it on the &quot;Ports&quot; page with &quot;Test&quot; first.</source>
        <translation>Анализатор не на связи. Сначала подключите его на странице «Порты» кнопкой «Проверка».</translation>
    </message>
    <message>
        <source>Unable to open com port
&quot;%s&quot;: %s</source>
        <translation>Не удается открыть COM-порт
«%s»: %s</translation>
    </message>
    <message>
        <source>The serial port &quot;%s&quot; of the analyzer was lost (%s). A run in progress has ended; its finished voltammograms are kept. Reconnect the analyzer and press &quot;Reset device&quot;.</source>
        <translation>Связь с последовательным портом «%s» анализатора потеряна (%s). Текущая регистрация прервана; завершенные вольтамперограммы сохранены. Подключите анализатор снова и нажмите «Сброс прибора».</translation>
    </message>
    <message>
        <source>No serial port was found, so the port setting names the built-in analyzer emulator. Voltammograms recorded from it are simulated, not measured, and are marked so. Choose the analyzer&apos;s port in Settings, &quot;Ports&quot;.</source>
        <translation>Последовательный порт не найден, поэтому в настройке порта указан встроенный эмулятор анализатора. Записанные с него вольтамперограммы смоделированы, а не измерены, и помечены соответствующим образом. Выберите порт анализатора в окне «Настройки», на странице «Порты».</translation>
    </message>
    <message>
        <source>The index &quot;%s&quot; of the record folder is damaged (%s). The items read before the damage are kept; the file is kept as &quot;%s&quot;.</source>
        <translation>Индекс «%s» папки записей поврежден (%s). Элементы, прочитанные до места повреждения, сохранены; файл сохранен как «%s».</translation>
    </message>
    <message>
        <source>The record &quot;%s&quot; cannot be read from &quot;%s&quot;: %s</source>
        <translation>Запись «%s» не удается прочитать из «%s»: %s</translation>
    </message>
    <message>
        <source>The block with tag %s holds %s bytes where %s are expected</source>
        <translation>Блок с тегом %s содержит %s байт, а ожидалось %s</translation>
    </message>
    <message>
        <source>The calibration points block counts %s points in %s bytes</source>
        <translation>Блок точек градуировки указывает %s точек в %s байтах</translation>
    </message>
    <message>
        <source>Report date: %s</source>
        <translation>Дата отчета: %s</translation>
    </message>
    <message>
        <source>Element: %s</source>
        <translation>Элемент: %s</translation>
    </message>
    <message>
        <source>Calibration date: %s</source>
        <translation>Дата градуировки: %s</translation>
    </message>
    <message>
        <source>Calculation chart</source>
        <translation>График расчета</translation>
    </message>
    <message>
        <source>R^2^[%s]=%1.4f</source>
        <translation>R^2^[%s]=%1.4f</translation>
    </message>
    <message>
        <source>y[%s]=%4.5f+%4.5f*C</source>
        <translation>y[%s]=%4.5f+%4.5f*C</translation>
    </message>
    <message>
        <source>Database #</source>
        <translation>№ в базе данных</translation>
    </message>
    <message>
        <source>Concentration, [%s/%s]</source>
        <translation>Концентрация, [%s/%s]</translation>
    </message>
    <message>
        <source>%s R2=%1.4f</source>
        <translation>%s R2=%1.4f</translation>
    </message>
    <message>
        <source>Method already exists!</source>
        <translation>Методика уже существует!</translation>
    </message>
    <message>
        <source>error on method load!</source>
        <translation>ошибка при загрузке методики!</translation>
    </message>
    <message>
        <source>error on method script correction!</source>
        <translation>ошибка при исправлении сценария методики!</translation>
    </message>
    <message>
        <source>Enter the name, please...</source>
        <translation>Введите, пожалуйста, имя...</translation>
    </message>
    <message>
        <source>Loading method %s...</source>
        <translation>Загрузка методики %s...</translation>
    </message>
    <message>
        <source>Method file|*.mtd</source>
        <translation>Файл методики|*.mtd</translation>
    </message>
    <message>
        <source>Script file *.tvs|*.tvs</source>
        <translation>Файл сценария *.tvs|*.tvs</translation>
    </message>
    <message>
        <source>The method &quot;%s&quot; cannot be read and is left out: %s</source>
        <translation>Методику «%s» не удается прочитать, она пропущена: %s</translation>
    </message>
    <message>
        <source>The data is damaged: it holds more %s than a method can (at most %s).</source>
        <translation>Данные повреждены: элементов «%s» больше, чем допускает методика (не более %s).</translation>
    </message>
    <message>
        <source>The data is damaged: %s holds the invalid value %s.</source>
        <translation>Данные повреждены: «%s» содержит недопустимое значение %s.</translation>
    </message>
    <message>
        <source>Record parameters</source>
        <translation>Параметры записи</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Пользовательский</translation>
    </message>
    <message>
        <source>Assembling of cell</source>
        <translation>Сборка ячейки</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Регистрация</translation>
    </message>
    <message>
        <source>Treatment</source>
        <translation>Обработка</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отчет</translation>
    </message>
    <message>
        <source>Wait for user input</source>
        <translation>Ожидать действия пользователя</translation>
    </message>
    <message>
        <source>Enter Stage name</source>
        <translation>Ввести название этапа</translation>
    </message>
    <message>
        <source>Switch page</source>
        <translation>Переключить страницу</translation>
    </message>
    <message>
        <source>Set cell type</source>
        <translation>Задать тип ячейки</translation>
    </message>
    <message>
        <source>Set electrod material</source>
        <translation>Задать материал электрода</translation>
    </message>
    <message>
        <source>Begin measurement cycle</source>
        <translation>Начать цикл измерений</translation>
    </message>
    <message>
        <source>Set calculation method</source>
        <translation>Задать метод расчета</translation>
    </message>
    <message>
        <source>Set default calculation parameters</source>
        <translation>Задать параметры расчета по умолчанию</translation>
    </message>
    <message>
        <source>Set concentration dimention</source>
        <translation>Задать размерность концентрации</translation>
    </message>
    <message>
        <source>Set predefined peaks</source>
        <translation>Задать предопределенные пики</translation>
    </message>
    <message>
        <source>Set VA program</source>
        <translation>Задать программу ВА</translation>
    </message>
    <message>
        <source>Set program loops count</source>
        <translation>Задать число повторов программы</translation>
    </message>
    <message>
        <source>End measurement cycle</source>
        <translation>Закончить цикл измерений</translation>
    </message>
    <message>
        <source>Set addon type</source>
        <translation>Задать тип приставки</translation>
    </message>
    <message>
        <source>Set backbround electrolyte</source>
        <translation>Задать фоновый электролит</translation>
    </message>
    <message>
        <source>Hide unused controls</source>
        <translation>Скрыть неиспользуемые элементы</translation>
    </message>
    <message>
        <source>Add statistics</source>
        <translation>Добавить статистику</translation>
    </message>
    <message>
        <source>Add custom equation</source>
        <translation>Добавить пользовательскую формулу</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Начать запись</translation>
    </message>
    <message>
        <source>Record control solution</source>
        <translation>Записать контрольный раствор</translation>
    </message>
    <message>
        <source>Simulation script flag</source>
        <translation>Признак сценария моделирования</translation>
    </message>
    <message>
        <source>Add dummy data</source>
        <translation>Добавить модельные данные</translation>
    </message>
    <message>
        <source>Number of parallel samples</source>
        <translation>Число параллельных проб</translation>
    </message>
    <message>
        <source>Activation cycle</source>
        <translation>Цикл активации</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>New stage</source>
        <translation>Новый этап</translation>
    </message>
    <message>
        <source>Set active page = %d</source>
        <translation>Активная страница = %d</translation>
    </message>
    <message>
        <source>Set conjunction type to %s</source>
        <translation>Схема подключения: %s</translation>
    </message>
    <message>
        <source>Set electrod type to %s</source>
        <translation>Тип электрода: %s</translation>
    </message>
    <message>
        <source>Carbositall</source>
        <translation>Карбоситалл</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Золото</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Платина</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Серебро</translation>
    </message>
    <message>
        <source>Modified Carbon</source>
        <translation>Модифицированный углерод</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Углерод</translation>
    </message>
    <message>
        <source>Begin of measurement cycle</source>
        <translation>Начало цикла измерений</translation>
    </message>
    <message>
        <source>Calculation method: %s</source>
        <translation>Метод расчета: %s</translation>
    </message>
    <message>
        <source>Calculations table: %s</source>
        <translation>Таблица расчетов: %s</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Concentration dimentions: %s</source>
        <translation>Размерность концентрации: %s</translation>
    </message>
    <message>
        <source>Predefined peaks</source>
        <translation>Предопределенные пики</translation>
    </message>
    <message>
        <source>Record program %s</source>
        <translation>Программа записи %s</translation>
    </message>
    <message>
        <source>Loops count: %d</source>
        <translation>Число повторов: %d</translation>
    </message>
    <message>
        <source>End of measurement cycle</source>
        <translation>Конец цикла измерений</translation>
    </message>
    <message>
        <source>Stirrer type: %s</source>
        <translation>Тип мешалки: %s</translation>
    </message>
    <message>
        <source>Supporting electrolyte: %s</source>
        <translation>Фоновый электролит: %s</translation>
    </message>
    <message>
        <source>Controls visibility: %s</source>
        <translation>Видимость элементов управления: %s</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Показывать все</translation>
    </message>
    <message>
        <source>Hide unused</source>
        <translation>Скрыть неиспользуемые</translation>
    </message>
    <message>
        <source>Forbid changes</source>
        <translation>Запретить изменения</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Custom equation</source>
        <translation>Пользовательская формула</translation>
    </message>
    <message>
        <source>Recording of control solution is NOT required</source>
        <translation>Запись контрольного раствора НЕ требуется</translation>
    </message>
    <message>
        <source>Recording of control solution is required</source>
        <translation>Запись контрольного раствора обязательна</translation>
    </message>
    <message>
        <source>Recording of control solution is not obligatory</source>
        <translation>Запись контрольного раствора необязательна</translation>
    </message>
    <message>
        <source>Simulation script</source>
        <translation>Сценарий моделирования</translation>
    </message>
    <message>
        <source>Data (%s)</source>
        <translation>Данные (%s)</translation>
    </message>
    <message>
        <source>Number of parallel samples: %d</source>
        <translation>Число параллельных проб: %d</translation>
    </message>
    <message>
        <source>Activation(%g ml of %s)</source>
        <translation>Активация (%g мл раствора %s)</translation>
    </message>
    <message>
        <source>All types of programs|*.prg;*car;*.vap|Single step program *.prg|*.prg|Multistep program *.car|*.car|New multistep program *.vap|*.vap</source>
        <translation>Все типы программ|*.prg;*car;*.vap|Одношаговая программа *.prg|*.prg|Многошаговая программа *.car|*.car|Новая многошаговая программа *.vap|*.vap</translation>
    </message>
    <message>
        <source>*.dat;*.txt|*.dat;*.txt</source>
        <translation>*.dat;*.txt|*.dat;*.txt</translation>
    </message>
    <message>
        <source>The data file holds an odd count of numbers: the last point has no y value.</source>
        <translation>Файл данных содержит нечетное количество чисел: у последней точки нет значения y.</translation>
    </message>
    <message>
        <source>The data file holds more than %s points.</source>
        <translation>Файл данных содержит более %s точек.</translation>
    </message>
    <message>
        <source>Enter another name</source>
        <translation>Введите другое имя</translation>
    </message>
    <message>
        <source>Volume of analyte prepared, cm^3^</source>
        <translation>Объем подготовленной пробы, см^3^</translation>
    </message>
    <message>
        <source>Analysis of parallel sample (%d of %d) is completed.</source>
        <translation>Анализ параллельной пробы (%d из %d) завершен.</translation>
    </message>
    <message>
        <source>Measurement program interrupted!</source>
        <translation>Программа измерения прервана!</translation>
    </message>
    <message>
        <source>You have changed some of the method&apos;s settings. Do You want to save the procedure under the new name?</source>
        <translation>Вы изменили некоторые настройки методики. Сохранить методику под новым именем?</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Элемент</translation>
    </message>
    <message>
        <source>X_i_, %s/%s</source>
        <translation>X_i_, %s/%s</translation>
    </message>
    <message>
        <source>X_med_, %s/%s</source>
        <translation>X_ср_, %s/%s</translation>
    </message>
    <message>
        <source>R, %s/%s</source>
        <translation>R, %s/%s</translation>
    </message>
    <message>
        <source>$д$, %</source>
        <translation>$д$, %</translation>
    </message>
    <message>
        <source>$Д$, %s/%s</source>
        <translation>$Д$, %s/%s</translation>
    </message>
    <message>
        <source>X_max_-X_min_=%s </source>
        <translation>X_max_-X_min_=%s </translation>
    </message>
    <message>
        <source>X_max_-X_min_=%s (in cell) </source>
        <translation>X_max_-X_min_=%s (в ячейке) </translation>
    </message>
    <message>
        <source>%s %s</source>
        <translation>%s %s</translation>
    </message>
    <message>
        <source>Dimensions of report and statistics are incompatible</source>
        <translation>Размерности отчета и статистики несовместимы</translation>
    </message>
    <message>
        <source>Cell concentrations are unknown</source>
        <translation>Концентрации в ячейке неизвестны</translation>
    </message>
    <message>
        <source>Element not found</source>
        <translation>Элемент не найден</translation>
    </message>
    <message>
        <source>X_med_=%s &gt; %s - maximum detectable concentration</source>
        <translation>X_ср_=%s &gt; %s - максимальная определяемая концентрация</translation>
    </message>
    <message>
        <source>X_med_=%s &lt; %s - limit of determination</source>
        <translation>X_ср_=%s &lt; %s - нижняя граница определяемых концентраций</translation>
    </message>
    <message>
        <source> (in cell)</source>
        <translation> (в ячейке)</translation>
    </message>
    <message>
        <source>The report is damaged: block %s comes before its experiment or element</source>
        <translation>Отчет поврежден: блок %s стоит раньше своего эксперимента или элемента</translation>
    </message>
    <message>
        <source>The report is damaged: %s volumes where at most 5 are kept</source>
        <translation>Отчет поврежден: объемов %s, а сохраняется не более 5</translation>
    </message>
    <message>
        <source>The report is damaged: more than %s %s</source>
        <translation>Отчет поврежден: больше %s записей «%s»</translation>
    </message>
    <message>
        <source>The report is damaged: block %s counts %s values in %s bytes</source>
        <translation>Отчет поврежден: блок %s указывает %s значений в %s байтах</translation>
    </message>
    <message>
        <source>File name: %s</source>
        <translation>Имя файла: %s</translation>
    </message>
    <message>
        <source>Data table</source>
        <translation>Таблица данных</translation>
    </message>
    <message>
        <source>Calculations table</source>
        <translation>Таблица расчетов</translation>
    </message>
    <message>
        <source>Results table</source>
        <translation>Таблица результатов</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Примечания</translation>
    </message>
    <message>
        <source>Measurment type</source>
        <translation>Тип измерения</translation>
    </message>
    <message>
        <source>X_i_ - ion concentration in the sample for a single determination (with account for dilution, or mass concentration).</source>
        <translation>X_i_ - концентрация иона в пробе по результату единичного определения (с учетом разбавления или массовая концентрация).</translation>
    </message>
    <message>
        <source>X_med_ - medium ion concentration in the sample.</source>
        <translation>X_ср_ - среднее значение концентрации иона в пробе.</translation>
    </message>
    <message>
        <source>R - absolute difference between parallel determination results.</source>
        <translation>R - абсолютное расхождение между результатами параллельных определений.</translation>
    </message>
    <message>
        <source>$д$ - percent error.</source>
        <translation>$д$ - относительная погрешность (в процентах).</translation>
    </message>
    <message>
        <source>$Д$ - absolute error of the measurement results.</source>
        <translation>$Д$ - абсолютная погрешность результатов измерений.</translation>
    </message>
    <message>
        <source>Dash in cell means that element concentration is lower than the detection limit.</source>
        <translation>Прочерк в ячейке означает, что концентрация элемента ниже предела обнаружения.</translation>
    </message>
    <message>
        <source>A first voltammogram can be recorded without an analyzer, from the built-in analyzer emulator. The emulator SIMULATES the instrument: its curves are simulated data, not measurements, and are marked &quot;[EMULATOR - simulated]&quot;.

The port setting (Settings, &quot;Ports&quot;) will name the emulator instead of &quot;%s&quot;; choose the analyzer&apos;s port there again to measure.

Record a simulated voltammogram now?</source>
        <translation>Первую вольтамперограмму можно записать без анализатора, с помощью встроенного эмулятора анализатора. Эмулятор МОДЕЛИРУЕТ прибор: его кривые являются смоделированными данными, а не измерениями, и помечаются «[EMULATOR - simulated]».

В настройке порта (окно «Настройки», страница «Порты») вместо «%s» будет указан эмулятор; чтобы выполнять измерения, снова выберите там порт анализатора.

Записать смоделированную вольтамперограмму сейчас?</translation>
    </message>
    <message>
        <source>The example program &quot;%s&quot; cannot be read (%s). Set up a program in &quot;Record parameters&quot; instead.</source>
        <translation>Не удается прочитать пример программы «%s» (%s). Задайте программу в окне «Параметры записи».</translation>
    </message>
    <message>
        <source>The example &quot;%s&quot; cannot be copied to &quot;%s&quot;.</source>
        <translation>Не удается скопировать пример «%s» в «%s».</translation>
    </message>
    <message>
        <source>Would you like to delete the installer from the temporary folder (%s)?</source>
        <translation>Удалить программу установки из временной папки (%s)?</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Проверка обновлений...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Соединение...</translation>
    </message>
    <message>
        <source>%s of %s bytes</source>
        <translation>%s из %s байт</translation>
    </message>
    <message>
        <source>Downloading upgrade information...</source>
        <translation>Загрузка сведений об обновлении...</translation>
    </message>
    <message>
        <source>A new snapshot version (%s) is available! Not recomended for critical measurements!
The size of update: %s KB.

Click &quot;Next&quot; to download.</source>
        <translation>Доступна новая тестовая версия (%s)! Не рекомендуется для ответственных измерений!
Размер обновления: %s КБ.

Нажмите «Далее», чтобы загрузить.</translation>
    </message>
    <message>
        <source>A new version (%s) is available!
The size of update: %s KB.

Click &quot;Next&quot; to download.</source>
        <translation>Доступна новая версия (%s)!
Размер обновления: %s КБ.

Нажмите «Далее», чтобы загрузить.</translation>
    </message>
    <message>
        <source>Your version is newer than on the Internet.</source>
        <translation>Ваша версия новее, чем версия в Интернете.</translation>
    </message>
    <message>
        <source>Your program is up-to-date.</source>
        <translation>У вас установлена последняя версия программы.</translation>
    </message>
    <message>
        <source>Live-update couldn&apos;t retrieve the catalog file of available updates. Please check that your connection to the Internet in functioning correctly and retry.</source>
        <translation>Не удалось получить каталог доступных обновлений. Проверьте, что подключение к Интернету работает правильно, и повторите попытку.</translation>
    </message>
    <message>
        <source>Live-update couldn&apos;t retrieve the catalog file of available updates. Please check that your connection to the Internet in functioning correctly and retry.

%s</source>
        <translation>Не удалось получить каталог доступных обновлений. Проверьте, что подключение к Интернету работает правильно, и повторите попытку.

%s</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Download complete. Installer saved to %s

Click &quot;Next&quot; to install. Program will be terminated</source>
        <translation>Загрузка завершена. Программа установки сохранена в %s

Нажмите «Далее», чтобы начать установку. Программа будет закрыта</translation>
    </message>
    <message>
        <source>No address of the update catalogue is set (&quot;CatalogueUrl&quot; in the section &quot;Install&quot; of Options.ini).</source>
        <translation>Не задан адрес каталога обновлений («CatalogueUrl» в разделе «Install» файла Options.ini).</translation>
    </message>
    <message>
        <source>The update catalogue is larger than %s bytes.</source>
        <translation>Каталог обновлений больше %s байт.</translation>
    </message>
    <message>
        <source>The update catalogue has %s lines; it needs at least 3.</source>
        <translation>В каталоге обновлений строк: %s; нужно не менее 3.</translation>
    </message>
    <message>
        <source>Line %s of the update catalogue is not valid: %s</source>
        <translation>Строка %s каталога обновлений недопустима: %s</translation>
    </message>
    <message>
        <source>a version of the form yyyy.mm.dd is expected</source>
        <translation>ожидается версия вида yyyy.mm.dd</translation>
    </message>
    <message>
        <source>a size in bytes between 1 and %s is expected</source>
        <translation>ожидается размер в байтах от 1 до %s</translation>
    </message>
    <message>
        <source>a SHA-256 checksum of 64 hexadecimal digits is expected</source>
        <translation>ожидается контрольная сумма SHA-256 из 64 шестнадцатеричных цифр</translation>
    </message>
    <message>
        <source>The update catalogue gives no SHA-256 checksum for the offered installer, so it cannot be verified.</source>
        <translation>В каталоге обновлений нет контрольной суммы SHA-256 для предлагаемой программы установки, поэтому ее нельзя проверить.</translation>
    </message>
    <message>
        <source>The downloaded installer does not match the SHA-256 checksum of the update catalogue. It was not saved and will not be opened.</source>
        <translation>Загруженная программа установки не соответствует контрольной сумме SHA-256 из каталога обновлений. Она не сохранена и не будет открыта.</translation>
    </message>
    <message>
        <source>The installer &quot;%s&quot; no longer matches the SHA-256 checksum of the update catalogue. It will not be opened.</source>
        <translation>Программа установки «%s» больше не соответствует контрольной сумме SHA-256 из каталога обновлений. Она не будет открыта.</translation>
    </message>
    <message>
        <source>The server sends more than the %s bytes it announced.</source>
        <translation>Сервер передает больше заявленных %s байт.</translation>
    </message>
    <message>
        <source>The server&apos;s content length &quot;%s&quot; is not a number.</source>
        <translation>Размер содержимого «%s», указанный сервером, не является числом.</translation>
    </message>
    <message>
        <source>The server sent nothing.</source>
        <translation>Сервер ничего не передал.</translation>
    </message>
    <message>
        <source>The installer cannot be saved as &quot;%s&quot;: %s</source>
        <translation>Не удается сохранить программу установки как «%s»: %s</translation>
    </message>
    <message>
        <source>The installer &quot;%s&quot; cannot be opened.</source>
        <translation>Не удается открыть программу установки «%s».</translation>
    </message>
    <message>
        <source>Connection setup...</source>
        <translation>Настройка соединения...</translation>
    </message>
    <message>
        <source>Error while loading animation!</source>
        <translation>Ошибка при загрузке анимации!</translation>
    </message>
    <message>
        <source>Connect RDE/Autosampler control port (Ctrl) and PC connection port (RS232) on the back side of the Analyzer.</source>
        <translation>Подключите порт управления ВДЭ/автосамплером (Ctrl) и порт связи с компьютером (RS232) на задней панели анализатора.</translation>
    </message>
    <message>
        <source>Connect Working, Reference and Auxiliary electrodes to their connectors on the front side of the Analyzer.</source>
        <translation>Подключите рабочий электрод, электрод сравнения и вспомогательный электрод к их разъемам на передней панели анализатора.</translation>
    </message>
    <message>
        <source>Connect Power supply (PWR) and turn on the Analyzer by switching the tumbler up.</source>
        <translation>Подключите блок питания (PWR) и включите анализатор, переведя тумблер вверх.</translation>
    </message>
    <message>
        <source>Screw the RDE in the holder.</source>
        <translation>Вкрутите ВДЭ в держатель.</translation>
    </message>
    <message>
        <source>Screw the working tip on the electrode.</source>
        <translation>Накрутите рабочий наконечник на электрод.</translation>
    </message>
    <message>
        <source>Install the platform and the electrodes holder on the stand.</source>
        <translation>Установите на штатив площадку и держатель электродов.</translation>
    </message>
    <message>
        <source>Install the Reference and Auxiliary electrodes and plug their connectors.</source>
        <translation>Установите электрод сравнения и вспомогательный электрод и подключите их разъемы.</translation>
    </message>
    <message>
        <source>Place the electrochemical cell with the solution on the platform under the electrodes and put the holder down.</source>
        <translation>Поставьте электрохимическую ячейку с раствором на площадку под электродами и опустите держатель.</translation>
    </message>
    <message>
        <source>Install clips into the electrodes holders and place it on the stand.</source>
        <translation>Вставьте зажимы в держатели электродов и установите держатель на штатив.</translation>
    </message>
    <message>
        <source>Place stirrer on the stand, connect Power supply and turn it on by switching the tumbler.</source>
        <translation>Поставьте мешалку на штатив, подключите блок питания и включите мешалку тумблером.</translation>
    </message>
    <message>
        <source>Screw the working tip on the electrode. Install the working electrode in the holder.</source>
        <translation>Накрутите рабочий наконечник на электрод. Установите рабочий электрод в держатель.</translation>
    </message>
    <message>
        <source>Install the Reference and Auxiliary electrodes.</source>
        <translation>Установите электрод сравнения и вспомогательный электрод.</translation>
    </message>
    <message>
        <source>Place the electrochemical cell with the solution on the stirrer. Put the stir bar and pull the holder down.</source>
        <translation>Поставьте электрохимическую ячейку с раствором на мешалку. Положите якорь мешалки и опустите держатель.</translation>
    </message>
    <message>
        <source>Connect Autosampler control port (Ctrl) and Power supply (PWR). Turn on the Autosampler by switching the tumbler up.</source>
        <translation>Подключите порт управления автосамплером (Ctrl) и блок питания (PWR). Включите автосамплер, переведя тумблер вверх.</translation>
    </message>
    <message>
        <source>Install the Combined electrode in the holder.</source>
        <translation>Установите комбинированный электрод в держатель.</translation>
    </message>
    <message>
        <source>Connect the Combined electrode connector to the jack on the front side of the Analyzer.</source>
        <translation>Подключите разъем комбинированного электрода к гнезду на передней панели анализатора.</translation>
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
        <source>%s: the replicates of the peak %s differ by %s%% of their mean; the statistics &quot;%s&quot; allow %s%%. Consider recording the pass again.</source>
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
        <source>%s: the addition raised the peak %s by only %s%% of the sample&apos;s peak (at least %s%% is advisable). Use a larger addition, about %s ml.</source>
        <translation>%s: добавка увеличила пик %s лишь на %s%% от пика пробы (рекомендуется не менее %s%%). Используйте большую добавку, около %s мл.</translation>
    </message>
    <message>
        <source>%s: the addition raised the peak %s by only %s%% of the sample&apos;s peak (at least %s%% is advisable). Use a larger addition.</source>
        <translation>%s: добавка увеличила пик %s лишь на %s%% от пика пробы (рекомендуется не менее %s%%). Используйте большую добавку.</translation>
    </message>
    <message>
        <source>%s: the standard additions line of the peak %s is not straight enough: R² = %s, less than %s. Check the additions or record them again.</source>
        <translation>%s: зависимость для стандартных добавок пика %s недостаточно линейна: R² = %s, меньше %s. Проверьте добавки или запишите их заново.</translation>
    </message>
    <message>
        <source>The help context map is damaged: line %s is not &quot;number page#anchor&quot;.</source>
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
        <source>The help pages were not found beside the program or in &quot;%s&quot;.</source>
        <translation>Страницы справки не найдены ни рядом с программой, ни в «%s».</translation>
    </message>
    <message numerus="yes">
        <source>The autosampler did not answer on its way to cell %s. The batch is stopped; the %n curves recorded so far are kept.</source>
        <translation>
            <numerusform>Автосамплер не ответил при переходе к ячейке %s. Серия остановлена; уже записанная %n кривая сохранена.</numerusform>
            <numerusform>Автосамплер не ответил при переходе к ячейке %s. Серия остановлена; уже записанные %n кривые сохранены.</numerusform>
            <numerusform>Автосамплер не ответил при переходе к ячейке %s. Серия остановлена; уже записанные %n кривых сохранены.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The autosampler did not report cell %s after the move. The batch is stopped; the %n curves recorded so far are kept.</source>
        <translation>
            <numerusform>Автосамплер не сообщил о ячейке %s после перемещения. Серия остановлена; уже записанная %n кривая сохранена.</numerusform>
            <numerusform>Автосамплер не сообщил о ячейке %s после перемещения. Серия остановлена; уже записанные %n кривые сохранены.</numerusform>
            <numerusform>Автосамплер не сообщил о ячейке %s после перемещения. Серия остановлена; уже записанные %n кривых сохранены.</numerusform>
        </translation>
    </message>
    <message>
        <source>Moving the tray to cell %s...</source>
        <translation>Перемещение лотка к ячейке %s...</translation>
    </message>
    <message>
        <source>Lowering the electrode...</source>
        <translation>Опускание электрода...</translation>
    </message>
    <message>
        <source>Raising the electrode...</source>
        <translation>Подъем электрода...</translation>
    </message>
    <message>
        <source>an https:// address (http:// only on this computer) of at most %s characters is expected</source>
        <translation>ожидается адрес https:// (http:// только на этом компьютере) длиной не более %s символов</translation>
    </message>
    <message>
        <source>The update catalogue is not signed, so nothing in it can be trusted. No update is offered.</source>
        <translation>Каталог обновлений не подписан, поэтому ничему в нем нельзя доверять. Обновление не предлагается.</translation>
    </message>
    <message>
        <source>The signature of the update catalogue is damaged: one line of base64 holding 64 bytes is expected.</source>
        <translation>Подпись каталога обновлений повреждена: ожидается одна строка base64 с 64 байтами.</translation>
    </message>
    <message>
        <source>The signature of the update catalogue does not match: the catalogue was changed or signed with another key. No update is offered.</source>
        <translation>Подпись каталога обновлений не совпадает: каталог изменен или подписан другим ключом. Обновление не предлагается.</translation>
    </message>
    <message>
        <source>The public key is not an Ed25519 public key in PEM form.</source>
        <translation>Открытый ключ не является открытым ключом Ed25519 в формате PEM.</translation>
    </message>
    <message>
        <source>The address &quot;%s&quot; is refused: updates travel only over https:// (http:// only on this computer).</source>
        <translation>Адрес «%s» отклонен: обновления передаются только по https:// (http:// только на этом компьютере).</translation>
    </message>
    <message>
        <source>The installer is larger than the %s bytes the update catalogue names. It was not saved.</source>
        <translation>Установщик больше %s байт, указанных в каталоге обновлений. Он не сохранен.</translation>
    </message>
    <message>
        <source>The data is damaged: %s bytes cannot hold %s curve records.</source>
        <translation>Данные повреждены: %s байт не могут вместить %s записей кривых.</translation>
    </message>
    <message>
        <source>The report is damaged: %s elements by %s experiments do not fit in its %s bytes</source>
        <translation>Отчет поврежден: %s элементов на %s экспериментов не умещаются в его %s байт</translation>
    </message>
    <message>
        <source>s(y/x)=%s  LOD=%s  LOQ=%s  (n=%d)</source>
        <translation>s(y/x)=%s  ПО=%s  ПКО=%s  (n=%d)</translation>
    </message>
    <message>
        <source>The result of this equation has no unit of concentration, so the report could not show it. Choose the units of its result in the equation editor first.</source>
        <translation>У результата этого уравнения нет единиц концентрации, поэтому отчет не смог бы его показать. Сначала выберите единицы результата в редакторе уравнений.</translation>
    </message>
    <message>
        <source>The result of this equation is in units of another kind (per volume or per mass) than the results of the report, so they could not be compared. Start a new report for it.</source>
        <translation>Результат этого уравнения выражен в единицах другого рода (на объем или на массу), чем результаты отчета, поэтому их нельзя сравнить. Начните для него новый отчет.</translation>
    </message>
    <message>
        <source>%s damaged entries of the recovery journal were skipped; the curves around them were restored.</source>
        <translation>Пропущено поврежденных записей журнала восстановления: %s; кривые до и после них восстановлены.</translation>
    </message>
    <message>
        <source>The curve &quot;%s&quot; could not be written to the recovery journal (%s). It is in the document: save the document to keep it safe.</source>
        <translation>Кривую «%s» не удалось записать в журнал восстановления (%s). Она есть в документе: сохраните документ, чтобы не потерять ее.</translation>
    </message>
    <message>
        <source>Another instance of the program uses the data folder &quot;%s&quot;. This instance leaves the recovery journal there to it and keeps none of its own: save the document to keep what you record here.</source>
        <translation>Папку данных «%s» использует другой экземпляр программы. Этот экземпляр не трогает журнал восстановления в ней и своего не ведет: сохраняйте документ, чтобы не потерять записанное здесь.</translation>
    </message>
    <message>
        <source>The folder &quot;%s&quot; is in use by another program: its lock &quot;%s&quot; was not released in time. Try again later.</source>
        <translation>Папка «%s» занята другой программой: ее блокировка «%s» не была снята вовремя. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>%s of the pasted cells kept their values: cell %s cannot take &quot;%s&quot;.</source>
        <translation>Вставленных ячеек, сохранивших свои значения: %s; ячейка %s не может принять «%s».</translation>
    </message>
    <message>
        <source>The computer was not shut down after the run: not every curve of the run could be saved. The curves are in the open document; save it before you close the program.</source>
        <translation>Компьютер не выключен после выполнения программы: не все кривые этого запуска удалось сохранить. Кривые находятся в открытом документе; сохраните его перед закрытием программы.</translation>
    </message>
    <message>
        <source>No analyzer was found on the serial ports of this computer, so no port was opened. Connect the analyzer and choose its port in Settings..., &quot;Ports&quot;.</source>
        <translation>Анализатор не найден ни на одном последовательном порту этого компьютера, поэтому порт не открыт. Подключите анализатор и выберите его порт в «Настройки...», «Порты».</translation>
    </message>
    <message>
        <source>Cannot open the results archive %s: %s</source>
        <translation>Не удаётся открыть архив результатов %s: %s</translation>
    </message>
    <message>
        <source>The results were not archived in %s (nothing was written): %s</source>
        <translation>Результаты не занесены в архив %s (ничего не записано): %s</translation>
    </message>
    <message>
        <source>Cannot read the results archive %s: %s</source>
        <translation>Не удаётся прочитать архив результатов %s: %s</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a database address; write postgresql://user@host:port/database or a file name</source>
        <translation>&quot;%s&quot; не является адресом базы данных; укажите postgresql://пользователь@сервер:порт/база или имя файла</translation>
    </message>
    <message>
        <source>The results archive %s was made by a newer version of the program (schema %s; this one knows up to %s)</source>
        <translation>Архив результатов %s создан более новой версией программы (схема %s; эта версия знает схемы до %s)</translation>
    </message>
    <message>
        <source>The database driver %s is not installed (package %s)</source>
        <translation>Драйвер базы данных %s не установлен (пакет %s)</translation>
    </message>
</context>
<context>
    <name>SimulatedBadge</name>
    <message>
        <source>simulated</source>
        <translation>смоделировано</translation>
    </message>
    <message>
        <source>Simulated by the built-in analyzer emulator, not measured</source>
        <translation>Смоделировано встроенным эмулятором анализатора, не измерено</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
</context>
<context>
    <name>StartPanelHost</name>
    <message>
        <source>Standard additions: Zn, Cd, Pb, Cu</source>
        <translation>Стандартные добавки: Zn, Cd, Pb, Cu</translation>
    </message>
    <message>
        <source>Background, sample, two additions; simulated by the emulator</source>
        <translation>Фон, проба, две добавки; смоделировано эмулятором</translation>
    </message>
    <message>
        <source>Standard additions with peaks</source>
        <translation>Стандартные добавки с пиками</translation>
    </message>
    <message>
        <source>The same simulated run, its peaks found and named</source>
        <translation>Тот же смоделированный анализ, пики найдены и названы</translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <source>200 nA</source>
        <translation>200 нА</translation>
    </message>
    <message>
        <source>2 mkA</source>
        <translation>2 мкА</translation>
    </message>
    <message>
        <source>20 mkA</source>
        <translation>20 мкА</translation>
    </message>
    <message>
        <source>200 mkA</source>
        <translation>200 мкА</translation>
    </message>
    <message>
        <source>2 mA</source>
        <translation>2 мА</translation>
    </message>
    <message>
        <source>200 mkA mod</source>
        <translation>200 мкА мод</translation>
    </message>
    <message>
        <source>Touch memory</source>
        <translation>Touch memory</translation>
    </message>
    <message>
        <source>Rd </source>
        <translation>Чт </translation>
    </message>
    <message>
        <source>Wr </source>
        <translation>Зп </translation>
    </message>
    <message>
        <source>DAC ADC</source>
        <translation>ЦАП АЦП</translation>
    </message>
    <message>
        <source>DAC 2</source>
        <translation>ЦАП 2</translation>
    </message>
    <message>
        <source>Грубо</source>
        <translation>Грубо</translation>
    </message>
    <message>
        <source>Precise</source>
        <translation>Точно</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Усиление</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Смещение</translation>
    </message>
    <message>
        <source>K DAC</source>
        <translation>К ЦАП</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Ноль</translation>
    </message>
    <message>
        <source>Coefficients</source>
        <translation>Коэффициенты</translation>
    </message>
    <message>
        <source>-/+</source>
        <translation>-/+</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Измерить</translation>
    </message>
    <message>
        <source>Calibr</source>
        <translation>Калибровать</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Перечитать</translation>
    </message>
    <message>
        <source>Data storage</source>
        <translation>Хранение данных</translation>
    </message>
    <message>
        <source>Separate files</source>
        <translation>Отдельные файлы</translation>
    </message>
    <message>
        <source>Central database</source>
        <translation>Центральная база данных</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Расположение</translation>
    </message>
    <message>
        <source>Data view</source>
        <translation>Представление данных</translation>
    </message>
    <message>
        <source>Flat file</source>
        <translation>Плоский список</translation>
    </message>
    <message>
        <source>Tree structure</source>
        <translation>Древовидная структура</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Автоматически проверять обновления</translation>
    </message>
    <message>
        <source>Show snapshot builds</source>
        <translation>Показывать промежуточные сборки</translation>
    </message>
    <message>
        <source>Auto backup recorded data</source>
        <translation>Автоматически сохранять резервную копию записанных данных</translation>
    </message>
    <message>
        <source>Ask for modified methods save</source>
        <translation>Спрашивать о сохранении измененных методик</translation>
    </message>
    <message>
        <source>Working directory</source>
        <translation>Рабочая папка</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Миниатюры</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Поля</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Отступ</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Данные:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Фон:</translation>
    </message>
    <message>
        <source>Border:</source>
        <translation>Рамка:</translation>
    </message>
    <message>
        <source>Selection:</source>
        <translation>Выделение:</translation>
    </message>
    <message>
        <source>Main Chart</source>
        <translation>Основной график</translation>
    </message>
    <message>
        <source>Peaks colors</source>
        <translation>Цвета пиков</translation>
    </message>
    <message>
        <source>Superimposed:</source>
        <translation>Наложенные:</translation>
    </message>
    <message>
        <source>Matching:</source>
        <translation>Совпадающие:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Подпись:</translation>
    </message>
    <message>
        <source>Analyzer connection</source>
        <translation>Подключение анализатора</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Версия прошивки:</translation>
    </message>
    <message>
        <source>Autosampler:</source>
        <translation>Автосамплер:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Примечания:</translation>
    </message>
    <message>
        <source>Use new 3 in 1</source>
        <translation>Использовать новый 3 в 1</translation>
    </message>
    <message>
        <source>Connect the analyzer to a serial port of this computer and switch it on. Choose the port in the list (or type the path of a serial device) and press &quot;Test&quot;: the analyzer is reset and reports its status, firmware version and autosampler.

Choose &quot;emulator&quot; to work with the built-in analyzer emulator when no analyzer is connected.</source>
        <translation>Подключите анализатор к последовательному порту этого компьютера и включите его. Выберите порт в списке (или введите путь к последовательному устройству) и нажмите «Проверить»: анализатор будет сброшен и сообщит свое состояние, версию прошивки и автосамплер.

Выберите «emulator», чтобы работать со встроенным эмулятором анализатора, когда анализатор не подключен.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Порты</translation>
    </message>
    <message>
        <source>Calibration (Experts only)</source>
        <translation>Калибровка (только для специалистов)</translation>
    </message>
    <message>
        <source>Images and colors</source>
        <translation>Изображения и цвета</translation>
    </message>
    <message>
        <source>Where recorded curves are kept (separate document files or one central database folder), how new recordings enter the document tree, automatic update checks and backups, and the folder that holds the settings and other per-user files.</source>
        <translation>Где хранятся записанные кривые (отдельные файлы документов или одна папка центральной базы данных), как новые записи попадают в дерево документа, автоматическая проверка обновлений и резервное копирование, а также папка с настройками и другими файлами пользователя.</translation>
    </message>
    <message>
        <source>The serial port of the analyzer. Choosing a port opens it at once; &quot;Test&quot; resets the analyzer and shows its status, firmware version and autosampler.</source>
        <translation>Последовательный порт анализатора. Выбранный порт открывается сразу; «Проверить» сбрасывает анализатор и показывает его состояние, версию прошивки и автосамплер.</translation>
    </message>
    <message>
        <source>The analyzer&apos;s calibration data. &quot;Measure&quot; reads the current through the reference resistor with the bench values last applied, &quot;Calibr&quot; computes the gain of the chosen range from it, &quot;Apply&quot; stores the page in the analyzer and &quot;Reload&quot; reads it back.</source>
        <translation>Калибровочные данные анализатора. «Измерить» измеряет ток через эталонный резистор при последних примененных значениях стенда, «Калибровать» вычисляет по нему коэффициент усиления выбранного диапазона, «Применить» записывает страницу в анализатор, а «Перечитать» считывает ее обратно.</translation>
    </message>
    <message>
        <source>The size, margins and colours of the thumbnails, and the colours of the main chart&apos;s background and peaks.</source>
        <translation>Размер, поля и цвета миниатюр, а также цвета фона и пиков основного графика.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Results archive</source>
        <translation>Архив результатов</translation>
    </message>
    <message>
        <source>PostgreSQL server (empty: Results.sqlite in the working directory)</source>
        <translation>Сервер PostgreSQL (пусто: Results.sqlite в рабочей папке)</translation>
    </message>
    <message>
        <source>Archive the results of the measurement wizard</source>
        <translation>Заносить в архив результаты мастера измерений</translation>
    </message>
</context>
<context>
    <name>velmora::AppCommandLine</name>
    <message>
        <source>Velmora-VA: the workstation of the stripping-voltammetry analyzer. It records voltammograms, finds their peaks and computes concentrations.</source>
        <translation>Velmora-VA: рабочая станция анализатора для инверсионной вольтамперометрии. Записывает вольтамперограммы, находит на них пики и вычисляет концентрации.</translation>
    </message>
    <message>
        <source>Saves pictures of the windows into DIR and quits.</source>
        <translation>Сохраняет изображения окон в папку DIR и завершает работу.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>Starts with a demonstration document.</source>
        <translation>Запуск с демонстрационным документом.</translation>
    </message>
    <message>
        <source>document</source>
        <translation>документ</translation>
    </message>
    <message>
        <source>The document (.tvx, .mbd) to open at start.</source>
        <translation>Документ (.tvx, .mbd), открываемый при запуске.</translation>
    </message>
    <message>
        <source>[document]</source>
        <translation>[документ]</translation>
    </message>
    <message>
        <source>Starts in the language ID (en or ru).</source>
        <translation>Запускает программу на языке ID (en или ru).</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Unknown language: %1</source>
        <translation>Неизвестный язык: %1</translation>
    </message>
</context>
<context>
    <name>velmora::ArchiveEntryDialog</name>
    <message>
        <source>Add to archive</source>
        <translation>Добавить в архив</translation>
    </message>
    <message>
        <source>Results of a sample</source>
        <translation>Результаты пробы</translation>
    </message>
    <message>
        <source>Results of a control solution</source>
        <translation>Результаты контрольного раствора</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
</context>
<context>
    <name>velmora::ChartToolsHost</name>
    <message>
        <source>Horizontal axis minimum value</source>
        <translation>Минимум горизонтальной оси</translation>
    </message>
    <message>
        <source>Vertical axis minimum value</source>
        <translation>Минимум вертикальной оси</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Zoom, %</source>
        <translation>Масштаб, %</translation>
    </message>
    <message>
        <source>Chart zoom</source>
        <translation>Масштаб графика</translation>
    </message>
    <message>
        <source>3D, %</source>
        <translation>3D, %</translation>
    </message>
    <message>
        <source>3D %</source>
        <translation>3D %</translation>
    </message>
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
    <name>velmora::ColorChooser</name>
    <message>
        <source>Custom</source>
        <translation>Пользовательский</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Другой...</translation>
    </message>
</context>
<context>
    <name>velmora::ControlChartPlot</name>
    <message>
        <source>Control chart: %1, %2</source>
        <translation>Контрольная карта: %1, %2</translation>
    </message>
    <message>
        <source>Control chart</source>
        <translation>Контрольная карта</translation>
    </message>
    <message>
        <source>Date of the result</source>
        <translation>Дата результата</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Warning (1-2s)</source>
        <translation>Предупреждение (1-2s)</translation>
    </message>
    <message>
        <source>Rule broken</source>
        <translation>Правило нарушено</translation>
    </message>
    <message>
        <source>Simulated (emulator)</source>
        <translation>Смоделировано (эмулятор)</translation>
    </message>
    <message>
        <source>Includes simulated results</source>
        <translation>Включает смоделированные результаты</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Целевое значение</translation>
    </message>
</context>
<context>
    <name>velmora::ControlChartWindow</name>
    <message>
        <source>Control chart</source>
        <translation>Контрольная карта</translation>
    </message>
    <message>
        <source>Export chart...</source>
        <translation>Экспорт графика...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Печать...</translation>
    </message>
    <message>
        <source>Control solution:</source>
        <translation>Контрольный раствор:</translation>
    </message>
    <message>
        <source>Element:</source>
        <translation>Элемент:</translation>
    </message>
    <message>
        <source>Limits from the first 20 results</source>
        <translation>Границы по первым 20 результатам</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Целевое значение:</translation>
    </message>
    <message>
        <source>s:</source>
        <translation>s:</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>z</source>
        <translation>z</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>Choose a control solution and an element.</source>
        <translation>Выберите контрольный раствор и элемент.</translation>
    </message>
    <message>
        <source>Enter the target and the standard deviation s (above 0).</source>
        <translation>Введите целевое значение и стандартное отклонение s (больше 0).</translation>
    </message>
    <message>
        <source>The limits cannot be estimated: at least two results that differ are needed. Enter the target and s.</source>
        <translation>Границы не удаётся оценить: нужны хотя бы два различающихся результата. Введите целевое значение и s.</translation>
    </message>
    <message>
        <source>%1 results; %2 break a rule, %3 of them reject the run.</source>
        <translation>Результатов: %1; нарушают правило: %2, из них бракуют серию: %3.</translation>
    </message>
    <message>
        <source>Limits from the first %1 results.</source>
        <translation>Границы по первым %1 результатам.</translation>
    </message>
    <message>
        <source>%1 results in another unit are left out.</source>
        <translation>Не показаны результаты в другой единице: %1.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Choose a PNG, BMP, SVG or PDF file.</source>
        <translation>Выберите файл PNG, BMP, SVG или PDF.</translation>
    </message>
    <message>
        <source>Export chart</source>
        <translation>Экспорт графика</translation>
    </message>
    <message>
        <source>PNG pictures (*.png);;SVG drawings (*.svg);;PDF documents (*.pdf);;Bitmaps (*.bmp)</source>
        <translation>Рисунки PNG (*.png);;Рисунки SVG (*.svg);;Документы PDF (*.pdf);;Растровые рисунки (*.bmp)</translation>
    </message>
</context>
<context>
    <name>velmora::ControlResultDialog</name>
    <message>
        <source>Control solution:</source>
        <translation>Контрольный раствор:</translation>
    </message>
    <message>
        <source>Element:</source>
        <translation>Элемент:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Значение:</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Единица:</translation>
    </message>
    <message>
        <source>Expanded uncertainty (k = 2):</source>
        <translation>Расширенная неопределённость (k = 2):</translation>
    </message>
    <message>
        <source>Measured at:</source>
        <translation>Время измерения:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Оператор:</translation>
    </message>
    <message>
        <source>Add control result</source>
        <translation>Добавить результат контроля</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестна</translation>
    </message>
</context>
<context>
    <name>velmora::CurveCommands</name>
    <message>
        <source>Smoothing filter value</source>
        <translation>Степень сглаживания</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Enter the potential shift</source>
        <translation>Введите сдвиг потенциала</translation>
    </message>
    <message>
        <source>Processing curves...</source>
        <translation>Обработка кривых...</translation>
    </message>
</context>
<context>
    <name>velmora::DeviceStatusPresenter</name>
    <message>
        <source>The analyzer is the built-in emulator: every voltammogram recorded now is simulated and marked so.</source>
        <translation>Анализатор — встроенный эмулятор: каждая вольтамперограмма, записанная сейчас, смоделирована и помечена как смоделированная.</translation>
    </message>
    <message>
        <source>EMULATOR - simulated data</source>
        <translation>ЭМУЛЯТОР - смоделированные данные</translation>
    </message>
</context>
<context>
    <name>velmora::DocumentCommandsController</name>
    <message>
        <source>Opening document...</source>
        <translation>Открытие документа...</translation>
    </message>
</context>
<context>
    <name>velmora::ExportHost</name>
    <message>
        <source>&amp;Export &amp;&amp;import</source>
        <translation>&amp;Экспорт &amp;&amp; импорт</translation>
    </message>
    <message>
        <source>Portable network graphics (*.png)</source>
        <translation>Изображения PNG (*.png)</translation>
    </message>
    <message>
        <source>Scalable vector graphics (*.svg)</source>
        <translation>Векторная графика SVG (*.svg)</translation>
    </message>
    <message>
        <source>Portable document format (*.pdf)</source>
        <translation>Документы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Точечные рисунки BMP (*.bmp)</translation>
    </message>
    <message>
        <source>&amp;Export chart to file</source>
        <translation>&amp;Экспорт графика в файл</translation>
    </message>
    <message>
        <source>Exporting curves...</source>
        <translation>Экспорт кривых...</translation>
    </message>
    <message>
        <source>Exporting chart...</source>
        <translation>Экспорт графика...</translation>
    </message>
</context>
<context>
    <name>velmora::HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Help - %1</source>
        <translation>Справка - %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперед</translation>
    </message>
</context>
<context>
    <name>velmora::ImportColumnsDialog</name>
    <message>
        <source>Data import</source>
        <translation>Импорт данных</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 columns. Choose the potential and the current.</source>
        <translation>«%1» содержит столбцов: %2. Выберите потенциал и ток.</translation>
    </message>
    <message>
        <source>Potential column</source>
        <translation>Столбец потенциала</translation>
    </message>
    <message>
        <source>Current column</source>
        <translation>Столбец тока</translation>
    </message>
    <message>
        <source>%1 is taken in mV</source>
        <translation>%1 принимается в мВ</translation>
    </message>
    <message>
        <source>%1 is converted to mV (× %2)</source>
        <translation>%1 пересчитывается в мВ (× %2)</translation>
    </message>
    <message>
        <source>%1 is taken in µA</source>
        <translation>%1 принимается в мкА</translation>
    </message>
    <message>
        <source>%1 is converted to µA (× %2)</source>
        <translation>%1 пересчитывается в мкА (× %2)</translation>
    </message>
    <message>
        <source>the current density in %1 is kept as it stands; the unit is noted on the curve</source>
        <translation>плотность тока в %1 сохраняется как есть; единица отмечается на кривой</translation>
    </message>
    <message>
        <source>the unit %1 is not known: the numbers are taken as they stand</source>
        <translation>единица %1 неизвестна: числа берутся как есть</translation>
    </message>
    <message>
        <source>no unit: the numbers are taken as mV</source>
        <translation>единица не указана: числа принимаются в мВ</translation>
    </message>
    <message>
        <source>no unit: the numbers are taken as µA</source>
        <translation>единица не указана: числа принимаются в мкА</translation>
    </message>
    <message>
        <source>Potential: %1.</source>
        <translation>Потенциал: %1.</translation>
    </message>
    <message>
        <source>Current: %1.</source>
        <translation>Ток: %1.</translation>
    </message>
</context>
<context>
    <name>velmora::MainChartView</name>
    <message>
        <source>Potential, mV</source>
        <translation>Потенциал, мВ</translation>
    </message>
    <message>
        <source>Current, µA</source>
        <translation>Ток, мкА</translation>
    </message>
    <message>
        <source>Select a curve or a group on the left to show it here.</source>
        <translation>Выберите кривую или группу слева, чтобы показать ее здесь.</translation>
    </message>
</context>
<context>
    <name>velmora::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Сервис</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>Пр&amp;ибор</translation>
    </message>
    <message>
        <source>&amp;Calculations</source>
        <translation>&amp;Расчеты</translation>
    </message>
    <message>
        <source>&amp;Methods</source>
        <translation>&amp;Методики</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Series %1</source>
        <translation>Серия %1</translation>
    </message>
    <message>
        <source>Select visible data series for summ and overlay calculation type.</source>
        <translation>Выбор видимых серий данных для расчета суммы и наложения.</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Structure</source>
        <translation>Структура</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Миниатюры</translation>
    </message>
    <message>
        <source>Peaks</source>
        <translation>Пики</translation>
    </message>
    <message>
        <source>The document has unsaved changes that will be lost. Continue?</source>
        <translation>В документе есть несохраненные изменения, они будут потеряны. Продолжить?</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименование</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>О программе...</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Workstation software of the stripping-voltammetry analyzer.&lt;br&gt;Version %2</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Программа рабочей станции анализатора для инверсионной вольтамперометрии.&lt;br&gt;Версия %2</translation>
    </message>
</context>
<context>
    <name>velmora::ModelingWindow</name>
    <message>
        <source>Modeling</source>
        <translation>Моделирование</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Пик</translation>
    </message>
    <message>
        <source>Potential</source>
        <translation>Потенциал</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Potential, mV</source>
        <translation>Потенциал, мВ</translation>
    </message>
    <message>
        <source>Current, µA</source>
        <translation>Ток, мкА</translation>
    </message>
    <message>
        <source>A model: the sum of Gaussian peaks, each as high as &quot;Height&quot; (µA) at &quot;Potential&quot; (mV) and &quot;Width&quot; (mV) wide at half height. It is not a measurement and stays out of the document.</source>
        <translation>Модель: сумма гауссовых пиков, каждый высотой «Высота» (мкА) при «Потенциал» (мВ) и шириной «Ширина» (мВ) на половине высоты. Это не измерение, и в документ она не попадает.</translation>
    </message>
</context>
<context>
    <name>velmora::OptionsPortsPage</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation>Проверка...</translation>
    </message>
</context>
<context>
    <name>velmora::PropertiesWindow</name>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
</context>
<context>
    <name>velmora::RecordingReceiver</name>
    <message>
        <source>Activation (%1) %2 left</source>
        <translation>Активация (%1), осталось %2</translation>
    </message>
    <message>
        <source>%1 V=%2 (%3) %4 left</source>
        <translation>%1 U=%2 (%3), осталось %4</translation>
    </message>
    <message>
        <source>%1 (%2) %3 left</source>
        <translation>%1 (%2), осталось %3</translation>
    </message>
</context>
<context>
    <name>velmora::ResultsHost</name>
    <message numerus="yes">
        <source>%n result(s) archived</source>
        <translation>
            <numerusform>Занесён в архив %n результат</numerusform>
            <numerusform>Занесено в архив %n результата</numerusform>
            <numerusform>Занесено в архив %n результатов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::ResultsTableModel</name>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Проба</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Контроль</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Элемент</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Единица</translation>
    </message>
    <message>
        <source>U (k = 2)</source>
        <translation>U (k = 2)</translation>
    </message>
    <message>
        <source>LOD</source>
        <translation>ПО</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Метод</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Градуировка</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Оператор</translation>
    </message>
    <message>
        <source>Workstation</source>
        <translation>Рабочее место</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Документ</translation>
    </message>
    <message>
        <source>Simulated</source>
        <translation>Смоделировано</translation>
    </message>
    <message>
        <source>typed in</source>
        <translation>введено вручную</translation>
    </message>
    <message>
        <source>Custom method %1</source>
        <translation>Пользовательский метод %1</translation>
    </message>
    <message>
        <source>Expanded uncertainty, coverage factor 2</source>
        <translation>Расширенная неопределённость, коэффициент охвата 2</translation>
    </message>
    <message>
        <source>Limit of detection</source>
        <translation>Предел обнаружения</translation>
    </message>
    <message>
        <source>%1
SHA-256 %2
Curves: %3</source>
        <translation>%1
SHA-256 %2
Кривые: %3</translation>
    </message>
    <message>
        <source>Computed from curves of the analyzer emulator: simulated, not measured</source>
        <translation>Рассчитано по кривым эмулятора анализатора: смоделировано, а не измерено</translation>
    </message>
    <message>
        <source>simulated</source>
        <translation>смоделировано</translation>
    </message>
</context>
<context>
    <name>velmora::ResultsWindow</name>
    <message>
        <source>Sample:</source>
        <translation>Проба:</translation>
    </message>
    <message>
        <source>Control:</source>
        <translation>Контроль:</translation>
    </message>
    <message>
        <source>Element:</source>
        <translation>Элемент:</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>Метод:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Оператор:</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Add control result...</source>
        <translation>Добавить результат контроля...</translation>
    </message>
    <message>
        <source>Control chart...</source>
        <translation>Контрольная карта...</translation>
    </message>
    <message>
        <source>Open document</source>
        <translation>Открыть документ</translation>
    </message>
    <message>
        <source>Export to CSV...</source>
        <translation>Экспорт в CSV...</translation>
    </message>
    <message>
        <source>Export to Excel...</source>
        <translation>Экспорт в Excel...</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>С:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>По:</translation>
    </message>
    <message>
        <source>(any)</source>
        <translation>(любой)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>No results archive is open.</source>
        <translation>Архив результатов не открыт.</translation>
    </message>
    <message>
        <source>%1 results in %2</source>
        <translation>Результатов: %1 в %2</translation>
    </message>
    <message>
        <source>%1 simulated (in italics)</source>
        <translation>смоделированных: %1 (курсивом)</translation>
    </message>
    <message>
        <source>only the newest are listed</source>
        <translation>показаны только самые новые</translation>
    </message>
    <message>
        <source>%1 results written to %2</source>
        <translation>Результатов записано: %1 в %2</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Экспорт в Excel</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Экспорт в CSV</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Книги Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>The document %1 is no longer there.</source>
        <translation>Документа %1 больше нет на месте.</translation>
    </message>
</context>
<context>
    <name>velmora::SamplerHost</name>
    <message>
        <source>Cell: %1</source>
        <translation>Ячейка: %1</translation>
    </message>
</context>
<context>
    <name>velmora::StartPanel</name>
    <message>
        <source>Velmora-VA</source>
        <translation>Velmora-VA</translation>
    </message>
    <message>
        <source>Stripping-voltammetry workstation, version %1</source>
        <translation>Рабочая станция инверсионной вольтамперометрии, версия %1</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Recent documents</source>
        <translation>Последние документы</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Примеры</translation>
    </message>
    <message>
        <source>Open a document...</source>
        <translation>Открыть документ...</translation>
    </message>
    <message>
        <source>A document (.tvx) or a folder database (.mbd)</source>
        <translation>Документ (.tvx) или папка базы данных (.mbd)</translation>
    </message>
    <message>
        <source>Record a first voltammogram</source>
        <translation>Записать первую вольтамперограмму</translation>
    </message>
    <message>
        <source>From the built-in analyzer emulator, without an instrument</source>
        <translation>Со встроенного эмулятора анализатора, без прибора</translation>
    </message>
    <message>
        <source>The emulator simulates the analyzer: its curves are simulated data, not measurements, and are marked &quot;[EMULATOR - simulated]&quot;. Recording from it sets the port in Settings, &quot;Ports&quot; to &quot;emulator&quot; after you agree.</source>
        <translation>Эмулятор моделирует анализатор: его кривые — смоделированные данные, а не измерения, и помечаются «[EMULATOR - simulated]». Запись с эмулятора после вашего согласия выберет порт «emulator» в настройках, на странице «Порты».</translation>
    </message>
    <message>
        <source>No documents opened yet.</source>
        <translation>Документы еще не открывались.</translation>
    </message>
    <message>
        <source>Simulated voltammograms recorded from the analyzer emulator</source>
        <translation>Смоделированные вольтамперограммы, записанные с эмулятора анализатора</translation>
    </message>
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
    <name>velmora::TAssemblyForm</name>
    <message>
        <source>Assembling the Analyzer </source>
        <translation>Сборка анализатора </translation>
    </message>
    <message>
        <source>RDE + Analyzer</source>
        <translation>ВДЭ + анализатор</translation>
    </message>
    <message>
        <source>Autosampler + Analyzer</source>
        <translation>Автосамплер + анализатор</translation>
    </message>
    <message>
        <source>Stirrer + Analyzer</source>
        <translation>Мешалка + анализатор</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Assembly assistant</source>
        <translation>Помощник сборки</translation>
    </message>
    <message>
        <source>Choose what to assemble:</source>
        <translation>Выберите, что собрать:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>velmora::TAutoSampler</name>
    <message>
        <source>Select cell draging mouse over it.</source>
        <translation>Выберите ячейку, проведя над ней мышью.</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Ячейка %1</translation>
    </message>
    <message>
        <source>Incompatible by supporting electrolyte methods were automatically unchecked</source>
        <translation>Методики, несовместимые по фоновому электролиту, автоматически отключены</translation>
    </message>
    <message>
        <source>Cell type</source>
        <translation>Тип ячейки</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Проба</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Комментарии</translation>
    </message>
    <message>
        <source>Enter comments here</source>
        <translation>Введите комментарии</translation>
    </message>
    <message>
        <source>Methods:</source>
        <translation>Методики:</translation>
    </message>
</context>
<context>
    <name>velmora::TCalcChart</name>
    <message>
        <source>Concentration, [%1/%2]</source>
        <translation>Концентрация, [%1/%2]</translation>
    </message>
    <message>
        <source>Cleaning potential, mV</source>
        <translation>Потенциал очистки, мВ</translation>
    </message>
    <message>
        <source>Cleaning time, s</source>
        <translation>Время очистки, с</translation>
    </message>
    <message>
        <source>Preparation 1 potential, mV</source>
        <translation>Потенциал подготовки 1, мВ</translation>
    </message>
    <message>
        <source>Preparation 1 time, s</source>
        <translation>Время подготовки 1, с</translation>
    </message>
    <message>
        <source>Preparation 2 potential, mV</source>
        <translation>Потенциал подготовки 2, мВ</translation>
    </message>
    <message>
        <source>Preparation 2 time, s</source>
        <translation>Время подготовки 2, с</translation>
    </message>
    <message>
        <source>Electrolysis potential, mV</source>
        <translation>Потенциал электролиза, мВ</translation>
    </message>
    <message>
        <source>Electrolysis time, s</source>
        <translation>Время электролиза, с</translation>
    </message>
    <message>
        <source>Delay after mixing, s</source>
        <translation>Задержка после перемешивания, с</translation>
    </message>
    <message>
        <source>Modulation amplitude, mV</source>
        <translation>Амплитуда модуляции, мВ</translation>
    </message>
    <message>
        <source>Modulation Frequency, Hz</source>
        <translation>Частота модуляции, Гц</translation>
    </message>
    <message>
        <source>Sweep rate</source>
        <translation>Скорость развертки</translation>
    </message>
    <message>
        <source>Angular frequency</source>
        <translation>Угловая частота</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Сигнал</translation>
    </message>
    <message>
        <source>Signal referred to the cell volume</source>
        <translation>Сигнал, приведенный к объему ячейки</translation>
    </message>
    <message>
        <source>Signal less the diluted sample</source>
        <translation>Сигнал за вычетом разбавленной пробы</translation>
    </message>
    <message>
        <source>Signal less the blank</source>
        <translation>Сигнал за вычетом фона</translation>
    </message>
    <message>
        <source>A custom equation draws no line</source>
        <translation>Пользовательское уравнение не строит прямую</translation>
    </message>
    <message>
        <source>The curves hold different abscissa types: choose one in the list</source>
        <translation>У кривых разные типы абсциссы: выберите один в списке</translation>
    </message>
    <message>
        <source>The table shows no result: nothing to draw</source>
        <translation>В таблице нет результата: строить нечего</translation>
    </message>
    <message>
        <source>No element has an active calibration</source>
        <translation>Ни у одного элемента нет активной градуировки</translation>
    </message>
    <message>
        <source>No element has points to draw</source>
        <translation>Ни у одного элемента нет точек для построения</translation>
    </message>
</context>
<context>
    <name>velmora::TCalcForm</name>
    <message>
        <source>Cleaning potential, mV</source>
        <translation>Потенциал очистки, мВ</translation>
    </message>
    <message>
        <source>Cleaning time, s</source>
        <translation>Время очистки, с</translation>
    </message>
    <message>
        <source>Preparation 1 potential, mV</source>
        <translation>Потенциал подготовки 1, мВ</translation>
    </message>
    <message>
        <source>Preparation 1 time, s</source>
        <translation>Время подготовки 1, с</translation>
    </message>
    <message>
        <source>Preparation 2 potential, mV</source>
        <translation>Потенциал подготовки 2, мВ</translation>
    </message>
    <message>
        <source>Preparation 2 time, s</source>
        <translation>Время подготовки 2, с</translation>
    </message>
    <message>
        <source>Electrolysis potential, mV</source>
        <translation>Потенциал электролиза, мВ</translation>
    </message>
    <message>
        <source>Electrolysis time, s</source>
        <translation>Время электролиза, с</translation>
    </message>
    <message>
        <source>Delay after mixing, s</source>
        <translation>Задержка после перемешивания, с</translation>
    </message>
    <message>
        <source>Modulation amplitude, mV</source>
        <translation>Амплитуда модуляции, мВ</translation>
    </message>
    <message>
        <source>Modulation Frequency, Hz</source>
        <translation>Частота модуляции, Гц</translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation>Расчеты</translation>
    </message>
    <message>
        <source>Single calculation</source>
        <translation>Одиночный расчет</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отчет</translation>
    </message>
    <message>
        <source>The report is empty.</source>
        <translation>Отчет пуст.</translation>
    </message>
    <message>
        <source>Select data in main window list and choose the calculation method</source>
        <translation>Выберите данные в списке главного окна и метод расчета</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Erroneous input is marked by the red frame</source>
        <translation>Ошибочный ввод выделен красной рамкой</translation>
    </message>
    <message>
        <source>Measurment type</source>
        <translation>Тип измерения</translation>
    </message>
    <message>
        <source>C(Add),</source>
        <translation>C(доб),</translation>
    </message>
    <message>
        <source>In cell (C_x_),</source>
        <translation>В ячейке (C_x_),</translation>
    </message>
    <message>
        <source>Result in cell (C_x_), %1/%2</source>
        <translation>Результат в ячейке (C_x_), %1/%2</translation>
    </message>
    <message>
        <source>In sample (X),</source>
        <translation>В пробе (X),</translation>
    </message>
    <message>
        <source>Sweep rate</source>
        <translation>Скорость развертки</translation>
    </message>
    <message>
        <source>Stirrer frequency</source>
        <translation>Частота мешалки</translation>
    </message>
    <message>
        <source>Angular frequency</source>
        <translation>Угловая частота</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;</source>
        <translation>%1 «%2»</translation>
    </message>
    <message>
        <source>Enter the name, please...</source>
        <translation>Введите, пожалуйста, имя...</translation>
    </message>
    <message>
        <source>Enter another name</source>
        <translation>Введите другое имя</translation>
    </message>
</context>
<context>
    <name>velmora::TCalcGrid</name>
    <message>
        <source>Drag this fill handle to copy peaks borders</source>
        <translation>Перетащите этот маркер, чтобы скопировать границы пиков</translation>
    </message>
</context>
<context>
    <name>velmora::TCalibrForm</name>
    <message>
        <source>Calibrations</source>
        <translation>Градуировки</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Элементы</translation>
    </message>
    <message>
        <source>Calibrations by date</source>
        <translation>Градуировки по датам</translation>
    </message>
    <message>
        <source>Set active</source>
        <translation>Сделать активной</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Remove calibration</source>
        <translation>Удалить градуировку</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Сигнал</translation>
    </message>
    <message>
        <source>E, mV</source>
        <translation>E, мВ</translation>
    </message>
    <message>
        <source>I, µA</source>
        <translation>I, мкА</translation>
    </message>
    <message>
        <source>s(y/x)=%1  LOD=%2  LOQ=%3  (n=%4)</source>
        <translation>s(y/x)=%1  ПО=%2  ПКО=%3  (n=%4)</translation>
    </message>
    <message>
        <source>Concentration, [%1/%2]</source>
        <translation>Концентрация, [%1/%2]</translation>
    </message>
    <message>
        <source>Signal, %1</source>
        <translation>Сигнал, %1</translation>
    </message>
</context>
<context>
    <name>velmora::TEquationEditor</name>
    <message>
        <source>Equation editor</source>
        <translation>Редактор формул</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Calculation methods</source>
        <translation>Методы расчета</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Type equation using internal and custom variables </source>
        <translation>Введите формулу, используя встроенные и пользовательские переменные </translation>
    </message>
    <message>
        <source>X =</source>
        <translation>X =</translation>
    </message>
    <message>
        <source>Error messages</source>
        <translation>Сообщения об ошибках</translation>
    </message>
    <message>
        <source>Variables</source>
        <translation>Переменные</translation>
    </message>
    <message>
        <source>Add variable</source>
        <translation>Добавить переменную</translation>
    </message>
    <message>
        <source>Remove variable</source>
        <translation>Удалить переменную</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Отметка</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Комментарии</translation>
    </message>
    <message>
        <source>Default value</source>
        <translation>Значение по умолчанию</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;</source>
        <translation>%1 «%2»</translation>
    </message>
    <message>
        <source>Result: </source>
        <translation>Результат: </translation>
    </message>
</context>
<context>
    <name>velmora::TMWizForm</name>
    <message>
        <source>Select data:</source>
        <translation>Выбор данных:</translation>
    </message>
    <message>
        <source>Peaks auto search</source>
        <translation>Автопоиск пиков</translation>
    </message>
    <message>
        <source>Peaks marking</source>
        <translation>Разметка пиков</translation>
    </message>
    <message>
        <source>Smoothing filter value</source>
        <translation>Степень сглаживания</translation>
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
        <source>mV</source>
        <translation>мВ</translation>
    </message>
    <message>
        <source>µA</source>
        <translation>мкА</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Проба</translation>
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
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Стоп</translation>
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
        <source>Enter the name, please...</source>
        <translation>Введите, пожалуйста, имя...</translation>
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
        <source>Warning! Device is not connected. Press &quot;Setup connection&quot; to fix it.</source>
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
        <source>Mass of sample taken for ashing, g</source>
        <translation>Масса пробы, взятой для озоления, г</translation>
    </message>
    <message>
        <source>Volume of solution obtained after dissolving of ash, cm^3^</source>
        <translation>Объем раствора, полученного после растворения золы, см^3^</translation>
    </message>
    <message>
        <source>Volume of sample taken for analyte preparation, cm^3^</source>
        <translation>Объем пробы, взятой для пробоподготовки, см^3^</translation>
    </message>
    <message>
        <source>Volume of analyte prepared, cm^3^</source>
        <translation>Объем подготовленной пробы, см^3^</translation>
    </message>
    <message>
        <source>Volume of analyte poured into the cell, cm^3^</source>
        <translation>Объем пробы, внесенной в ячейку, см^3^</translation>
    </message>
    <message>
        <source>Preliminary dilution of sample. If none then enter 1.</source>
        <translation>Предварительное разбавление пробы. Если его не было, введите 1.</translation>
    </message>
    <message>
        <source>Reference, cm^3^</source>
        <translation>Раствор сравнения, см^3^</translation>
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
        <source>Analysis stages</source>
        <translation>Этапы анализа</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
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
        <source>Property</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
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
        <source>Activation</source>
        <translation>Активация</translation>
    </message>
    <message>
        <source>Activation check</source>
        <translation>Проверка активации</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Осталось: %1</translation>
    </message>
</context>
<context>
    <name>velmora::TMethodEditForm</name>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Generate script</source>
        <translation>Создать сценарий</translation>
    </message>
    <message>
        <source>Edit script</source>
        <translation>Изменить сценарий</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Program file path</source>
        <translation>Путь к файлу программ</translation>
    </message>
    <message>
        <source>Edit VA program</source>
        <translation>Изменить ВА-программу</translation>
    </message>
    <message>
        <source>Hide unused controls</source>
        <translation>Скрыть неиспользуемые элементы</translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation>Метод расчета</translation>
    </message>
    <message>
        <source>Equation editor...</source>
        <translation>Редактор формул...</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Supporting electrolyte</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Языки</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Localized options</source>
        <translation>Локализованные параметры</translation>
    </message>
    <message>
        <source>Sub menu</source>
        <translation>Подменю</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Method name</source>
        <translation>Название методики</translation>
    </message>
    <message>
        <source>Step comments</source>
        <translation>Комментарии к шагам</translation>
    </message>
    <message>
        <source>Autosampler cells</source>
        <translation>Ячейки автосамплера</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Оригинал</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Перевод</translation>
    </message>
    <message>
        <source>Remove step</source>
        <translation>Удалить шаг</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Ячейка</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Пользовательский</translation>
    </message>
    <message>
        <source>New method...</source>
        <translation>Новая методика...</translation>
    </message>
</context>
<context>
    <name>velmora::TMethodScriptEditor</name>
    <message>
        <source>Method script editor</source>
        <translation>Редактор сценария методики</translation>
    </message>
    <message>
        <source>Analysis stages</source>
        <translation>Этапы анализа</translation>
    </message>
    <message>
        <source>New script</source>
        <translation>Новый сценарий</translation>
    </message>
    <message>
        <source>Open script</source>
        <translation>Открыть сценарий</translation>
    </message>
    <message>
        <source>Save script</source>
        <translation>Сохранить сценарий</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Перемещение вверх</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Перемещение вниз</translation>
    </message>
    <message>
        <source>Remove stage</source>
        <translation>Удалить этап</translation>
    </message>
</context>
<context>
    <name>velmora::TMethodStatForm</name>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Methods</source>
        <translation>Методики</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Update methods stat</source>
        <translation>Обновить статистику методик</translation>
    </message>
    <message>
        <source>Method name</source>
        <translation>Название методики</translation>
    </message>
    <message>
        <source>Representation</source>
        <translation>Представление</translation>
    </message>
    <message>
        <source>Cell concentration</source>
        <translation>Концентрация в ячейке</translation>
    </message>
    <message>
        <source>Elements in method</source>
        <translation>Элементы методики</translation>
    </message>
    <message>
        <source>New Element</source>
        <translation>Новый элемент</translation>
    </message>
    <message>
        <source>Element statistics</source>
        <translation>Статистика элемента</translation>
    </message>
    <message>
        <source>New range</source>
        <translation>Новый диапазон</translation>
    </message>
    <message>
        <source>Remove range</source>
        <translation>Удалить диапазон</translation>
    </message>
    <message>
        <source>Lower bound, %1</source>
        <translation>Нижняя граница, %1</translation>
    </message>
    <message>
        <source>Upper bound, %1</source>
        <translation>Верхняя граница, %1</translation>
    </message>
    <message>
        <source>Reproducibility/X_med_</source>
        <translation>Воспроизводимость/X_ср_</translation>
    </message>
    <message>
        <source>Critical difference/X_med_</source>
        <translation>Критическая разность/X_ср_</translation>
    </message>
</context>
<context>
    <name>velmora::TOldStyleRecordForm</name>
    <message>
        <source>Electrode down</source>
        <translation>Электрод вниз</translation>
    </message>
    <message>
        <source>Electrode up</source>
        <translation>Электрод вверх</translation>
    </message>
    <message>
        <source>Autosampler cell number</source>
        <translation>Номер ячейки автосамплера</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Show or hide the program table</source>
        <translation>Показать или скрыть таблицу программ</translation>
    </message>
    <message>
        <source>Compact view</source>
        <translation>Компактный вид</translation>
    </message>
    <message>
        <source>Show only the groups the current step uses</source>
        <translation>Показывать только группы, используемые текущим шагом</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>Number of programs</source>
        <translation>Число программ</translation>
    </message>
    <message>
        <source>Current program</source>
        <translation>Текущая программа</translation>
    </message>
    <message>
        <source>Program to copy</source>
        <translation>Копируемая программа</translation>
    </message>
    <message>
        <source>Program length</source>
        <translation>Длина программы</translation>
    </message>
    <message>
        <source>Current step</source>
        <translation>Текущий шаг</translation>
    </message>
    <message>
        <source>Step to copy</source>
        <translation>Копируемый шаг</translation>
    </message>
    <message>
        <source>Copy program</source>
        <translation>Копировать программу</translation>
    </message>
    <message>
        <source>Copy step</source>
        <translation>Копировать шаг</translation>
    </message>
    <message>
        <source>Insert before current step</source>
        <translation>Вставить перед текущим шагом</translation>
    </message>
    <message>
        <source>Remove current step</source>
        <translation>Удалить текущий шаг</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Открыть...</translation>
    </message>
    <message>
        <source>Open a program file</source>
        <translation>Открыть файл программ</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Сохранить...</translation>
    </message>
    <message>
        <source>Save the programs to a file</source>
        <translation>Сохранить программы в файл</translation>
    </message>
    <message>
        <source>Show/hide table</source>
        <translation>Показать/скрыть таблицу</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Выполнение</translation>
    </message>
    <message>
        <source>Loops count</source>
        <translation>Число повторов</translation>
    </message>
    <message>
        <source>Current restiction</source>
        <translation>Ограничение тока</translation>
    </message>
    <message>
        <source>µA</source>
        <translation>мкА</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>Выключение</translation>
    </message>
    <message>
        <source>Shut down computer after program execution</source>
        <translation>Выключить компьютер после выполнения программы</translation>
    </message>
    <message>
        <source>Current control</source>
        <translation>Контроль тока</translation>
    </message>
    <message>
        <source>Potentials and times</source>
        <translation>Потенциалы и время</translation>
    </message>
    <message>
        <source>Cleaning voltage</source>
        <translation>Потенциал очистки</translation>
    </message>
    <message>
        <source>Cleaning time</source>
        <translation>Время очистки</translation>
    </message>
    <message>
        <source>Preparation 1 voltage</source>
        <translation>Потенциал подготовки 1</translation>
    </message>
    <message>
        <source>Preparation 1 time</source>
        <translation>Время подготовки 1</translation>
    </message>
    <message>
        <source>Preparation 2 voltage</source>
        <translation>Потенциал подготовки 2</translation>
    </message>
    <message>
        <source>Preparation 2 time</source>
        <translation>Время подготовки 2</translation>
    </message>
    <message>
        <source>Electrolysis voltage</source>
        <translation>Потенциал электролиза</translation>
    </message>
    <message>
        <source>Electrolysis time</source>
        <translation>Время электролиза</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>Развертка</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>ADC working range</source>
        <translation>Рабочий диапазон АЦП</translation>
    </message>
    <message>
        <source>Conjunction type</source>
        <translation>Схема подключения</translation>
    </message>
    <message>
        <source>Voltammetry cell type</source>
        <translation>Тип вольтамперометрической ячейки</translation>
    </message>
    <message>
        <source>Measurment type</source>
        <translation>Тип измерения</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Мешалка</translation>
    </message>
    <message>
        <source>Mixer timeout before measurement start</source>
        <translation>Пауза перед началом измерения после перемешивания</translation>
    </message>
    <message>
        <source>Mixer mode</source>
        <translation>Режим мешалки</translation>
    </message>
    <message>
        <source>Regulated mixer</source>
        <translation>Регулируемая мешалка</translation>
    </message>
    <message>
        <source>Regulated electrode</source>
        <translation>Регулируемый электрод</translation>
    </message>
    <message>
        <source>Rotating electrode</source>
        <translation>Вращающийся электрод</translation>
    </message>
    <message>
        <source>Rotation speed (rpm)</source>
        <translation>Скорость вращения (об/мин)</translation>
    </message>
    <message>
        <source>Retention</source>
        <translation>Удержание</translation>
    </message>
    <message>
        <source>Retention, mV</source>
        <translation>Удержание, мВ</translation>
    </message>
    <message>
        <source>Retention potential</source>
        <translation>Потенциал удержания</translation>
    </message>
    <message>
        <source>Modulation on/off</source>
        <translation>Модуляция вкл./выкл.</translation>
    </message>
    <message>
        <source>Modulation amplitude</source>
        <translation>Амплитуда модуляции</translation>
    </message>
    <message>
        <source>Modulation frequency</source>
        <translation>Частота модуляции</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Цикл</translation>
    </message>
    <message>
        <source>Cycle on/off</source>
        <translation>Цикл вкл./выкл.</translation>
    </message>
    <message>
        <source>Number of cycles to record</source>
        <translation>Число записываемых циклов</translation>
    </message>
    <message>
        <source>Number of cycles to skip</source>
        <translation>Число пропускаемых циклов</translation>
    </message>
    <message>
        <source>Cycle type</source>
        <translation>Тип цикла</translation>
    </message>
    <message>
        <source>Half</source>
        <translation>Полуцикл</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Полный цикл</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Set measurement type vs time</source>
        <translation>Измерение во времени</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Активация</translation>
    </message>
    <message>
        <source>Impuls(t)</source>
        <translation>Импульс(t)</translation>
    </message>
    <message>
        <source>Measurement comments</source>
        <translation>Комментарии к измерению</translation>
    </message>
    <message>
        <source>Autosampler</source>
        <translation>Автосамплер</translation>
    </message>
    <message>
        <source>Cell number</source>
        <translation>Номер ячейки</translation>
    </message>
    <message>
        <source>Set electrode down</source>
        <translation>Опустить электрод</translation>
    </message>
    <message>
        <source>Set electrode up</source>
        <translation>Поднять электрод</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Compensation</source>
        <translation>Компенсация</translation>
    </message>
    <message>
        <source>Input filter</source>
        <translation>Входной фильтр</translation>
    </message>
    <message>
        <source>Record parameters</source>
        <translation>Параметры записи</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Пользовательский</translation>
    </message>
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
    <name>velmora::TOptionsForm</name>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>velmora::TPar_Tbl</name>
    <message>
        <source>Prog/Step</source>
        <translation>Прог/Шаг</translation>
    </message>
    <message>
        <source>Clean/t</source>
        <translation>Очистка/t</translation>
    </message>
    <message>
        <source>Electrolysis/t</source>
        <translation>Электролиз/t</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>Conjunction</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Modulation u/f</source>
        <translation>Модуляция u/f</translation>
    </message>
    <message>
        <source>Stirrer</source>
        <translation>Мешалка</translation>
    </message>
    <message>
        <source>Retention, mV</source>
        <translation>Удержание, мВ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Ячейка</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Цикл</translation>
    </message>
    <message>
        <source>Prep 1/t</source>
        <translation>Подг 1/t</translation>
    </message>
    <message>
        <source>Prep 2/t</source>
        <translation>Подг 2/t</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>Sort by programs</source>
        <translation>Сортировать по программам</translation>
    </message>
    <message>
        <source>Sort by steps</source>
        <translation>Сортировать по шагам</translation>
    </message>
    <message>
        <source>Right mouse button: change the order. Double click: edit the step.</source>
        <translation>Правая кнопка мыши: изменить порядок. Двойной щелчок: изменить шаг.</translation>
    </message>
</context>
<context>
    <name>velmora::TPeakMarking</name>
    <message>
        <source>Enter the name, please...</source>
        <translation>Введите, пожалуйста, имя...</translation>
    </message>
    <message>
        <source>Enter another name</source>
        <translation>Введите другое имя</translation>
    </message>
</context>
<context>
    <name>velmora::TPeaksController</name>
    <message>
        <source>Enter peak potential</source>
        <translation>Введите потенциал пика</translation>
    </message>
    <message>
        <source>Rename peak</source>
        <translation>Переименование пика</translation>
    </message>
    <message>
        <source>Set peak potential</source>
        <translation>Задать потенциал пика</translation>
    </message>
    <message>
        <source>Remove peak</source>
        <translation>Удаление пика</translation>
    </message>
</context>
<context>
    <name>velmora::TPeaksSelectionForm</name>
    <message>
        <source>Peaks</source>
        <translation>Пики</translation>
    </message>
    <message>
        <source>Curves</source>
        <translation>Кривые</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Пик</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
</context>
<context>
    <name>velmora::TPrintChart</name>
    <message>
        <source>mV</source>
        <translation>мВ</translation>
    </message>
    <message>
        <source>µA</source>
        <translation>мкА</translation>
    </message>
</context>
<context>
    <name>velmora::TPrintOptionsBox</name>
    <message>
        <source>Report</source>
        <translation>Отчет</translation>
    </message>
    <message>
        <source>Calculation chart</source>
        <translation>График расчета</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Диаграмма</translation>
    </message>
    <message>
        <source>Initial data table</source>
        <translation>Таблица исходных данных</translation>
    </message>
    <message>
        <source>Bottom axis</source>
        <translation>Нижняя ось</translation>
    </message>
    <message>
        <source>Left axis</source>
        <translation>Левая ось</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Сетка</translation>
    </message>
    <message>
        <source>Database numbers</source>
        <translation>Номера в базе данных</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Комментарии</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Легенда</translation>
    </message>
    <message>
        <source>Record parameters</source>
        <translation>Параметры записи</translation>
    </message>
    <message>
        <source>Peaks</source>
        <translation>Пики</translation>
    </message>
    <message>
        <source>Results table</source>
        <translation>Таблица результатов</translation>
    </message>
    <message>
        <source>Measurement type</source>
        <translation>Тип измерения</translation>
    </message>
    <message>
        <source>Result calculation data </source>
        <translation>Данные расчета результата </translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Примечания</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Формула</translation>
    </message>
    <message>
        <source>Scales</source>
        <translation>Масштабы</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> мм</translation>
    </message>
</context>
<context>
    <name>velmora::TRepForm</name>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Файл PDF</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Принтер</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Шрифт:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Число копий</translation>
    </message>
    <message>
        <source>Fields, mm</source>
        <translation>Поля, мм</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Верхнее:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Левое:</translation>
    </message>
    <message>
        <source>Bottom:</source>
        <translation>Нижнее:</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Правое:</translation>
    </message>
    <message>
        <source>Print out</source>
        <translation>Печатать</translation>
    </message>
    <message>
        <source>Current chart</source>
        <translation>Текущий график</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
    <message>
        <source>Print to PDF</source>
        <translation>Печать в PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Black &amp;&amp; White</source>
        <translation>Черный &amp;&amp; белый</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Градуировка</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отчет</translation>
    </message>
    <message>
        <source>Current report is empty. Do you want to add calculation form content and edit it?</source>
        <translation>Текущий отчет пуст. Добавить в него содержимое окна расчета и отредактировать его?</translation>
    </message>
</context>
<context>
    <name>velmora::TReportCharts</name>
    <message>
        <source>µA</source>
        <translation>мкА</translation>
    </message>
    <message>
        <source>µA*mV</source>
        <translation>мкА*мВ</translation>
    </message>
</context>
<context>
    <name>velmora::TReportPage</name>
    <message>
        <source>Report</source>
        <translation>Отчет</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Отчеты</translation>
    </message>
    <message>
        <source>Representation</source>
        <translation>Представление</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Statistics: </source>
        <translation>Статистика: </translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Пользовательский</translation>
    </message>
    <message>
        <source>Do you want to save current report?</source>
        <translation>Сохранить текущий отчет?</translation>
    </message>
    <message>
        <source>Remove selected?</source>
        <translation>Удалить выделенное?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Элемент</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Комментарии</translation>
    </message>
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
<context>
    <name>velmora::TSamplerForm</name>
    <message>
        <source>Check the methods to run and set the number of samples: the tray is laid out with the service cells the methods share and the cells of every sample. Drag a cell onto another to exchange them; point at a cell to edit its type, sample, comments and methods. &quot;Modify&quot; edits the program set of the batch, &quot;Run&quot; starts it.</source>
        <translation>Отметьте методики для выполнения и задайте число проб: в лотке размещаются общие для методик служебные ячейки и ячейки каждой пробы. Перетащите ячейку на другую, чтобы поменять их местами; наведите указатель на ячейку, чтобы изменить ее тип, пробу, комментарии и методики. «Изменить» редактирует набор программ серии, «Пуск» запускает ее.</translation>
    </message>
    <message>
        <source>Autosampler setup</source>
        <translation>Настройка автосамплера</translation>
    </message>
    <message>
        <source>Select methods:</source>
        <translation>Выберите методики:</translation>
    </message>
    <message>
        <source>Number of samples for analysis</source>
        <translation>Число проб для анализа</translation>
    </message>
    <message>
        <source>Loops count</source>
        <translation>Число повторов</translation>
    </message>
    <message>
        <source>Stirrer settings</source>
        <translation>Настройки мешалки</translation>
    </message>
    <message>
        <source>Mixer mode</source>
        <translation>Режим мешалки</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Мешалка</translation>
    </message>
    <message>
        <source>Regulated mixer</source>
        <translation>Регулируемая мешалка</translation>
    </message>
    <message>
        <source>Regulated electrode</source>
        <translation>Регулируемый электрод</translation>
    </message>
    <message>
        <source>Rotating electrode</source>
        <translation>Вращающийся электрод</translation>
    </message>
    <message>
        <source>Rotation speed (rpm)</source>
        <translation>Скорость вращения (об/мин)</translation>
    </message>
    <message>
        <source>Manual control</source>
        <translation>Ручное управление</translation>
    </message>
    <message>
        <source>Active cell</source>
        <translation>Активная ячейка</translation>
    </message>
    <message>
        <source>Electrode up</source>
        <translation>Электрод вверх</translation>
    </message>
    <message>
        <source>Electrode down</source>
        <translation>Электрод вниз</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Выполнение</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Стоп</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Use new 3 in 1</source>
        <translation>Использовать новый 3 в 1</translation>
    </message>
    <message>
        <source>Analysis program rebuilded</source>
        <translation>Программа анализа перестроена</translation>
    </message>
</context>
<context>
    <name>velmora::TScriptStepPages</name>
    <message>
        <source>Conjunction type</source>
        <translation>Схема подключения</translation>
    </message>
    <message>
        <source>Electrodes</source>
        <translation>Электроды</translation>
    </message>
    <message>
        <source>Concentration calculation method</source>
        <translation>Метод расчета концентрации</translation>
    </message>
    <message>
        <source>Mixing type</source>
        <translation>Тип перемешивания</translation>
    </message>
    <message>
        <source>Choose option:</source>
        <translation>Выберите вариант:</translation>
    </message>
    <message>
        <source>This command has no parameters.</source>
        <translation>У этой команды нет параметров.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Языки</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Введите значение</translation>
    </message>
    <message>
        <source>Supporting electrolyte</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>Volume, ml</source>
        <translation>Объем, мл</translation>
    </message>
    <message>
        <source>Activation solution</source>
        <translation>Раствор для активации</translation>
    </message>
    <message>
        <source>[Additions concentrations]</source>
        <translation>[Концентрации добавок]</translation>
    </message>
    <message>
        <source>[Result concentrations]</source>
        <translation>[Концентрации результата]</translation>
    </message>
    <message>
        <source>Add peak</source>
        <translation>Добавить пик</translation>
    </message>
    <message>
        <source>Remove peak</source>
        <translation>Удаление пика</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Элементы</translation>
    </message>
    <message>
        <source>Peak parameters</source>
        <translation>Параметры пика</translation>
    </message>
    <message>
        <source>Left border</source>
        <translation>Левая граница</translation>
    </message>
    <message>
        <source>Middle border</source>
        <translation>Средняя граница</translation>
    </message>
    <message>
        <source>Right border</source>
        <translation>Правая граница</translation>
    </message>
    <message>
        <source>Standart addition concentration</source>
        <translation>Концентрация стандартной добавки</translation>
    </message>
    <message>
        <source>Peak calculation method</source>
        <translation>Метод расчета пика</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Program file path</source>
        <translation>Путь к файлу программ</translation>
    </message>
    <message>
        <source>Programs: %1, steps: %2</source>
        <translation>Программ: %1, шагов: %2</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Equation editor...</source>
        <translation>Редактор формул...</translation>
    </message>
    <message>
        <source>Calculation methods</source>
        <translation>Методы расчета</translation>
    </message>
    <message>
        <source>Data type</source>
        <translation>Тип данных</translation>
    </message>
    <message>
        <source>Points: %1</source>
        <translation>Точек: %1</translation>
    </message>
</context>
<context>
    <name>velmora::TStatForm</name>
    <message>
        <source>Calculation statistics</source>
        <translation>Статистика расчета</translation>
    </message>
    <message>
        <source>Equations</source>
        <translation>Уравнения</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Подписи</translation>
    </message>
    <message>
        <source>Linear trends</source>
        <translation>Линейные тренды</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Легенда</translation>
    </message>
</context>
<context>
    <name>velmora::TSubtractionForm</name>
    <message>
        <source>Subtraction</source>
        <translation>Вычитание</translation>
    </message>
    <message>
        <source>Minuend</source>
        <translation>Уменьшаемое</translation>
    </message>
    <message>
        <source>Subtrahend</source>
        <translation>Вычитаемое</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Create new</source>
        <translation>Создать новую кривую</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>velmora::TUpdateForm</name>
    <message>
        <source>Program update</source>
        <translation>Обновление программы</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
</context>
<context>
    <name>velmora::TimerWindow</name>
    <message>
        <source>Timer</source>
        <translation>Таймер</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
</context>
<context>
    <name>velmora::UpdateDownloader</name>
    <message>
        <source>The server answered %1 %2.</source>
        <translation>Сервер ответил: %1 %2.</translation>
    </message>
</context>
</TS>
