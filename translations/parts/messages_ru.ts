<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>Messages</name>
    <message>
        <location filename="../../src/services/Messages.h" line="17"/>
        <source>Velmora-VA (beta)</source>
        <translation>Velmora-VA (бета-версия)</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="18"/>
        <source>No name</source>
        <translation>Без имени</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="19"/>
        <source>modified</source>
        <translation>изменен</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="20"/>
        <source>Unknown file format %s</source>
        <translation>Неизвестный формат файла %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="21"/>
        <source>&apos;%s&apos; is not a valid integer value</source>
        <translation>«%s» не является допустимым целым числом</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="22"/>
        <source>Cannot open file &quot;%s&quot;. %s</source>
        <translation>Не удается открыть файл «%s». %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="23"/>
        <source>Cannot create file &quot;%s&quot;. %s</source>
        <translation>Не удается создать файл «%s». %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="24"/>
        <source>Stream read error</source>
        <translation>Ошибка чтения потока</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="25"/>
        <source>Stream write error</source>
        <translation>Ошибка записи потока</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="26"/>
        <source>The data is damaged or truncated: %s at offset %s needs %s bytes, but only %s remain.</source>
        <translation>Данные повреждены или обрезаны: для «%s» по смещению %s нужно %s байт, но осталось только %s.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="29"/>
        <source>The data is damaged: %s of %s does not fit in the %s bytes that remain.</source>
        <translation>Данные повреждены: значение «%s» (%s) не помещается в оставшиеся %s байт.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="30"/>
        <source>The data is damaged: block %s at offset %s has the size %s, but only %s bytes remain.</source>
        <translation>Данные повреждены: блок %s по смещению %s имеет размер %s, но осталось только %s байт.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="33"/>
        <source>The data is damaged: %s stray bytes at offset %s do not form a block.</source>
        <translation>Данные повреждены: %s лишних байт по смещению %s не образуют блок.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="35"/>
        <source>The data is damaged: the nodes are nested deeper than %s levels.</source>
        <translation>Данные повреждены: вложенность узлов глубже %s уровней.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="38"/>
        <source>Starting</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="39"/>
        <source>Loading forms...</source>
        <translation>Загрузка форм...</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="40"/>
        <source>Loading parameters...</source>
        <translation>Загрузка параметров...</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="41"/>
        <source>Loading methods...</source>
        <translation>Загрузка методик...</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="42"/>
        <source>Loading file...</source>
        <translation>Загрузка файла...</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="46"/>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="47"/>
        <source>Opening file...</source>
        <translation>Открытие файла...</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="48"/>
        <source>Saving to file</source>
        <translation>Сохранение в файл</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="49"/>
        <source>Save changes?</source>
        <translation>Сохранить изменения?</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="51"/>
        <source>File contains unread data blocks. Probably it was created in newer version of program. Saving may cause some data loss!</source>
        <translation>Файл содержит непрочитанные блоки данных. Вероятно, он создан более новой версией программы. При сохранении часть данных может быть потеряна!</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="55"/>
        <source>Would you like to save the Document in newer Bundled format (one file) or in old format (many files, tree-like structure will be lost)?</source>
        <translation>Сохранить документ в новом едином формате (один файл) или в старом формате (много файлов, древовидная структура будет потеряна)?</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="58"/>
        <source>The database already exists in this folder. Select another folder or create a new one</source>
        <translation>В этой папке уже есть база данных. Выберите другую папку или создайте новую</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="60"/>
        <source>You have exported data to file (%s), but all new changes will be stored in the database (%s).<byte value="xd"/> This option may be changed in Settings dialog by switching to &apos;Separate files&apos; mode in &apos;Data storage&apos; box.</source>
        <translation>Данные экспортированы в файл (%s), но все новые изменения будут сохраняться в базе данных (%s).<byte value="xd"/> Это можно изменить в окне настроек, выбрав режим «Отдельные файлы» в группе «Хранение данных».</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="65"/>
        <source>Supported formats|*.mbd; *.tvx|*.tvx|*.tvx|*.mbd|*.mbd</source>
        <translation>Поддерживаемые форматы|*.mbd; *.tvx|*.tvx|*.tvx|*.mbd|*.mbd</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="66"/>
        <source>Any file|*.*|*.dat|*.dat</source>
        <translation>Все файлы|*.*|*.dat|*.dat</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="67"/>
        <source>*.tvx|*.tvx|*.mbd|*.mbd</source>
        <translation>*.tvx|*.tvx|*.mbd|*.mbd</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="68"/>
        <source>&apos;%s&apos; is not a valid floating point value</source>
        <translation>«%s» не является допустимым числом с плавающей точкой</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="70"/>
        <source>The file &quot;%s&quot; is not a document file.</source>
        <translation>Файл «%s» не является файлом документа.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="72"/>
        <source>The curve &quot;%s&quot; holds %d peaks; the old format keeps only the first 21.</source>
        <translation>Кривая «%s» содержит пиков: %d; старый формат сохраняет только первые 21.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="75"/>
        <source>Line %s of the file cannot be read as a row of numbers: &quot;%s&quot;</source>
        <translation>Строку %s файла не удается прочитать как строку чисел: «%s»</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="77"/>
        <source>The file holds no rows of two or more numbers.</source>
        <translation>В файле нет строк из двух или более чисел.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="79"/>
        <source>The file has %s columns: the potential and current columns must be chosen.</source>
        <translation>В файле столбцов: %s; нужно выбрать столбцы потенциала и тока.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="80"/>
        <source>The file has no column %s.</source>
        <translation>В файле нет столбца %s.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="81"/>
        <source>Current density, %s</source>
        <translation>Плотность тока, %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="83"/>
        <source>Remove selected?</source>
        <translation>Удалить выделенное?</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="84"/>
        <source>Supporting electrolyte</source>
        <translation>Фон</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="85"/>
        <source>Analyte</source>
        <translation>Проба</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="86"/>
        <source>Added standard 1</source>
        <translation>Проба с добавкой 1</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="87"/>
        <source>Added standard 2</source>
        <translation>Проба с добавкой 2</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="88"/>
        <source>Added standard 3</source>
        <translation>Проба с добавкой 3</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="89"/>
        <source>Reference</source>
        <translation>Раствор сравнения</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="91"/>
        <source>Volume of sample taken for analyte preparation, cm^3^</source>
        <translation>Объем пробы, взятой для пробоподготовки, см^3^</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="93"/>
        <source>Preliminary dilution of sample. If none then enter 1.</source>
        <translation>Предварительное разбавление пробы. Если его не было, введите 1.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="94"/>
        <source>Mass of sample taken for ashing, g</source>
        <translation>Масса пробы, взятой для озоления, г</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="96"/>
        <source>Volume of solution obtained after dissolving of ash, cm^3^</source>
        <translation>Объем раствора, полученного после растворения золы, см^3^</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="97"/>
        <source>Background volume, cm^3^</source>
        <translation>Объем фона, см^3^</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="99"/>
        <source>Volume of analyte poured into the cell, cm^3^</source>
        <translation>Объем пробы, внесенной в ячейку, см^3^</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="100"/>
        <location filename="../../src/services/Messages.h" line="345"/>
        <source>Addition 1, cm^3^</source>
        <translation>Добавка 1, см^3^</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="101"/>
        <location filename="../../src/services/Messages.h" line="346"/>
        <source>Addition 2, cm^3^</source>
        <translation>Добавка 2, см^3^</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="102"/>
        <location filename="../../src/services/Messages.h" line="347"/>
        <source>Addition 3, cm^3^</source>
        <translation>Добавка 3, см^3^</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="103"/>
        <location filename="../../src/services/Messages.h" line="348"/>
        <source>Reference, cm^3^</source>
        <translation>Раствор сравнения, см^3^</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="104"/>
        <location filename="../../src/services/Messages.h" line="551"/>
        <source>Property</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="105"/>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="106"/>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="107"/>
        <source>Values range</source>
        <translation>Диапазон тока</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="108"/>
        <source>Conjunction type</source>
        <translation>Схема подключения</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="109"/>
        <location filename="../../src/services/Messages.h" line="140"/>
        <source>Stirrer</source>
        <translation>Мешалка</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="110"/>
        <source>Stirrer type</source>
        <translation>Тип мешалки</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="111"/>
        <location filename="../../src/services/Messages.h" line="316"/>
        <source>Delay after mixing</source>
        <translation>Задержка после перемешивания</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="112"/>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="113"/>
        <source>%d rpm</source>
        <translation>%d об/мин</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="114"/>
        <location filename="../../src/services/Messages.h" line="169"/>
        <source>Cleaning</source>
        <translation>Очистка</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="115"/>
        <location filename="../../src/services/Messages.h" line="171"/>
        <source>Preparation 1</source>
        <translation>Подготовка 1</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="116"/>
        <location filename="../../src/services/Messages.h" line="172"/>
        <source>Preparation 2</source>
        <translation>Подготовка 2</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="117"/>
        <location filename="../../src/services/Messages.h" line="167"/>
        <source>Electrolysis</source>
        <translation>Электролиз</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="118"/>
        <source>%d mV %d sec</source>
        <translation>%d мВ %d с</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="119"/>
        <source>Compensation</source>
        <translation>Компенсация</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="120"/>
        <source>Sweep rate</source>
        <translation>Скорость развертки</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="121"/>
        <source>%d mV/sec</source>
        <translation>%d мВ/с</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="122"/>
        <source>Sweep start</source>
        <translation>Начало развертки</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="123"/>
        <source>Sweep end</source>
        <translation>Конец развертки</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="124"/>
        <source>%d mV</source>
        <translation>%d мВ</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="125"/>
        <location filename="../../src/services/Messages.h" line="237"/>
        <source>Modulation</source>
        <translation>Модуляция</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="126"/>
        <source>%d mV %d Hz</source>
        <translation>%d мВ %d Гц</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="127"/>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="128"/>
        <source>Retention, mV</source>
        <translation>Удержание, мВ</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="129"/>
        <location filename="../../src/services/Messages.h" line="417"/>
        <location filename="../../src/services/Messages.h" line="533"/>
        <source>Comments</source>
        <translation>Комментарии</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="130"/>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="131"/>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="132"/>
        <source>200 nA</source>
        <translation>200 нА</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="133"/>
        <source>2 mkA</source>
        <translation>2 мкА</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="134"/>
        <source>20 mkA</source>
        <translation>20 мкА</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="135"/>
        <source>200 mkA</source>
        <translation>200 мкА</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="136"/>
        <source>2 mA</source>
        <translation>2 мА</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="137"/>
        <source>2x electrodes</source>
        <translation>2-электродная</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="138"/>
        <source>3x electrodes</source>
        <translation>3-электродная</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="139"/>
        <source>4x electrodes</source>
        <translation>4-электродная</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="141"/>
        <source>Regulated stirrer</source>
        <translation>Регулируемая мешалка</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="142"/>
        <source>Regulated electrode</source>
        <translation>Регулируемый электрод</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="143"/>
        <source>Rotating electrode</source>
        <translation>Вращающийся электрод</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="148"/>
        <source>The file &quot;%s&quot; is not a program set file: it holds %s bytes instead of %s.</source>
        <translation>Файл «%s» не является файлом набора программ: его размер %s байт вместо %s.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="149"/>
        <source>The program set does not fit this file format: it holds at most %s programs of %s steps.</source>
        <translation>Набор программ не помещается в этот формат файла: формат вмещает не более %s программ по %s шагов.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="152"/>
        <source>The data is damaged: %s holds the invalid count %s.</source>
        <translation>Данные повреждены: «%s» содержит недопустимое количество %s.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="153"/>
        <source>No responce from device. Command №%d</source>
        <translation>Нет ответа от прибора. Команда №%d</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="154"/>
        <source>Error CRC</source>
        <translation>Ошибка CRC</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="155"/>
        <source>Divice is not calibrated</source>
        <translation>Прибор не откалиброван</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="156"/>
        <source>No responce from device on reset.</source>
        <translation>Нет ответа от прибора при сбросе.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="157"/>
        <source>Output error</source>
        <translation>Ошибка вывода</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="159"/>
        <source>Com-port component is not specified!</source>
        <translation>Не задан компонент COM-порта!</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="160"/>
        <source>Cannot open the serial port &quot;%s&quot;: %s</source>
        <translation>Не удается открыть последовательный порт «%s»: %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="161"/>
        <location filename="../../src/services/Messages.h" line="485"/>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="162"/>
        <source>Usage of new 3 in 1 electrode is allowed</source>
        <translation>Использование нового электрода «3 в 1» разрешено</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="164"/>
        <source>Usage of new 3 in 1 electrode is impossible</source>
        <translation>Использование нового электрода «3 в 1» невозможно</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="165"/>
        <source>Stage complete</source>
        <translation>Стадия завершена</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="166"/>
        <source>Ready for measurment</source>
        <translation>Готов к измерению</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="168"/>
        <source>Measurement</source>
        <translation>Измерение</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="170"/>
        <source>Circular buffer overflow</source>
        <translation>Переполнение кольцевого буфера</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="173"/>
        <source>Mercury jet gap</source>
        <translation>Разрыв ртутной струи</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="174"/>
        <source>3 in 1 electrode recovering</source>
        <translation>Восстановление электрода «3 в 1»</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="175"/>
        <source>Status: %d</source>
        <translation>Состояние: %d</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="177"/>
        <source>The coefficient %s is too large: it must not exceed 65535.</source>
        <translation>Коэффициент %s слишком велик: он не должен превышать 65535.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="178"/>
        <location filename="../../src/services/Messages.h" line="354"/>
        <source>Division by zero</source>
        <translation>Деление на ноль</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="180"/>
        <source>The stirrer speed %d rpm is too high: it must stay below 2560 rpm.</source>
        <translation>Скорость мешалки %d об/мин слишком велика: она должна быть меньше 2560 об/мин.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="183"/>
        <source>Reset the instrument by pressing &quot;R&quot; button</source>
        <translation>Сбросьте прибор нажатием кнопки «R»</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="185"/>
        <source>Do you really want to stop and reset the device?</source>
        <translation>Вы действительно хотите остановить и сбросить прибор?</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="186"/>
        <source>The program did not end normally last time. %s recorded curves were not saved. Restore them into a new document?</source>
        <translation>В прошлый раз программа завершилась некорректно. Несохраненных записанных кривых: %s. Восстановить их в новый документ?</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="190"/>
        <source>The end of the recovery journal was damaged; the curves before it were restored.</source>
        <translation>Конец журнала восстановления поврежден; кривые, записанные до него, восстановлены.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="193"/>
        <source>Autosampler not found. Check the connection and reset the device</source>
        <translation>Автосамплер не найден. Проверьте подключение и сбросьте прибор</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="194"/>
        <location filename="../../src/services/Messages.h" line="531"/>
        <source>Sample %d</source>
        <translation>Проба %d</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="195"/>
        <location filename="../../src/services/Messages.h" line="438"/>
        <source>Service cell</source>
        <translation>Служебная ячейка</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="196"/>
        <source>The autosampler did not answer on its way to cell %s. The batch is stopped; the %s curves recorded so far are kept.</source>
        <translation>Автосамплер не ответил при переходе к ячейке %s. Серия остановлена; уже записанные кривые (%s) сохранены.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="200"/>
        <source>The autosampler did not report cell %s after the move. The batch is stopped; the %s curves recorded so far are kept.</source>
        <translation>Автосамплер не сообщил о ячейке %s после перемещения. Серия остановлена; уже записанные кривые (%s) сохранены.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="205"/>
        <source>The electrode did not go up. Raise it by hand before the tray is turned.</source>
        <translation>Электрод не поднялся. Поднимите его вручную, прежде чем поворачивать карусель.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="207"/>
        <source>The tray has no free cell left for the service cell &quot;%s&quot; of the method &quot;%s&quot;.</source>
        <translation>На карусели не осталось свободной ячейки для служебной ячейки «%s» методики «%s».</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="208"/>
        <source>The service cells take %d of the 15 cells: one sample needs %d more. Uncheck a method to make room.</source>
        <translation>Служебные ячейки занимают %d из 15 ячеек: для одной пробы нужно еще %d. Снимите отметку с одной из методик, чтобы освободить место.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="210"/>
        <source>The curve &quot;%s&quot; could not be written to the recovery journal (%s). The batch is stopped so that no further curve is at risk.</source>
        <translation>Кривую «%s» не удалось записать в журнал восстановления (%s). Серия остановлена, чтобы не подвергать риску следующие кривые.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="216"/>
        <source>All types of programs|*.prg;*.car;*.vap|Single step program *.prg|*.prg|Multistep program *.car|*.car|New multistep program *.vap|*.vap</source>
        <translation>Все типы программ|*.prg;*.car;*.vap|Одношаговая программа *.prg|*.prg|Многошаговая программа *.car|*.car|Новая многошаговая программа *.vap|*.vap</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="219"/>
        <source>New multistep program *.vap|*.vap|Multistep program *.car|*.car|Single step program *.prg|*.prg</source>
        <translation>Новая многошаговая программа *.vap|*.vap|Многошаговая программа *.car|*.car|Одношаговая программа *.prg|*.prg</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="222"/>
        <source>The file &quot;%s&quot; is not a program file of a known type.</source>
        <translation>Файл «%s» не является файлом программы известного типа.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="223"/>
        <source>Cannot open file &quot;%s&quot;.</source>
        <translation>Не удается открыть файл «%s».</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="224"/>
        <source>Rate</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="225"/>
        <source>Discrete</source>
        <translation>Дискрет</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="226"/>
        <source>Range</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="227"/>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="228"/>
        <source>Potential</source>
        <translation>Потенциал</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="229"/>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="230"/>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="231"/>
        <source>Measurment time</source>
        <translation>Время измерения</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="232"/>
        <source>mV/sec</source>
        <translation>мВ/с</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="233"/>
        <source>V/sec</source>
        <translation>В/с</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="234"/>
        <source>msec</source>
        <translation>мс</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="235"/>
        <location filename="../../src/services/Messages.h" line="261"/>
        <source>mV</source>
        <translation>мВ</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="236"/>
        <source>sec</source>
        <translation>с</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="238"/>
        <source>Impuls mv/msec</source>
        <translation>Импульс мВ/мс</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="239"/>
        <source>----</source>
        <translation>----</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="244"/>
        <source>PolyFit called with less than two points</source>
        <translation>PolyFit вызван менее чем с двумя точками</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="245"/>
        <source>Unknown %d</source>
        <translation>Неизвестный %d</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="246"/>
        <source>Mixed peak calculation types</source>
        <translation>Разные способы расчета пиков</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="247"/>
        <source>Mixed baseline types</source>
        <translation>Разные типы базовой линии</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="248"/>
        <source>Linear</source>
        <translation>Линейная</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="249"/>
        <source>Spline</source>
        <translation>Сплайн</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="250"/>
        <source>by height</source>
        <translation>по высоте</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="251"/>
        <source>by square</source>
        <translation>по площади</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="252"/>
        <source>by abs height</source>
        <translation>по абсолютной высоте</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="254"/>
        <source>by abs height with two lines</source>
        <translation>по абсолютной высоте с двумя линиями</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="255"/>
        <source>intersection point</source>
        <translation>точка пересечения</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="256"/>
        <source>potential difference</source>
        <translation>разность потенциалов</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="257"/>
        <source>linearization slope</source>
        <translation>наклон линеаризации</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="258"/>
        <source>by abs height with line</source>
        <translation>по абсолютной высоте с линией</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="259"/>
        <source>µA</source>
        <translation>мкА</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="260"/>
        <source>µA*mV</source>
        <translation>мкА*мВ</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="264"/>
        <source>Do you want to change all peaks calculation types?</source>
        <translation>Изменить способ расчета у всех пиков?</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="266"/>
        <source>Do you want to change all peaks baseline types?</source>
        <translation>Изменить тип базовой линии у всех пиков?</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="268"/>
        <source>The JSON text is damaged near byte %d.</source>
        <translation>Текст JSON поврежден около байта %d.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="269"/>
        <source>The JSON text nests deeper than %d levels.</source>
        <translation>Вложенность текста JSON глубже %d уровней.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="271"/>
        <source>The predefined peaks must be a list of objects.</source>
        <translation>Предопределенные пики должны быть заданы списком объектов.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="273"/>
        <source>Predefined peak %d: the field &quot;%s&quot; has a wrong value.</source>
        <translation>Предопределенный пик %d: поле «%s» имеет неверное значение.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="275"/>
        <source>One standard addition method</source>
        <translation>Метод одной стандартной добавки</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="276"/>
        <source>Standard additions method</source>
        <translation>Метод стандартных добавок</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="278"/>
        <source>Three standard additions method (Hg)</source>
        <translation>Метод трех стандартных добавок (Hg)</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="279"/>
        <source>Comparative method</source>
        <translation>Метод сравнения</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="280"/>
        <location filename="../../src/services/Messages.h" line="407"/>
        <source>Calibration curve</source>
        <translation>Градуировочный график</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="281"/>
        <source>By calibration</source>
        <translation>По градуировке</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="282"/>
        <source>mm^3^</source>
        <translation>мм^3^</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="283"/>
        <source>cm^3^</source>
        <translation>см^3^</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="284"/>
        <source>dm^3^</source>
        <translation>дм^3^</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="285"/>
        <source>m^3^</source>
        <translation>м^3^</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="286"/>
        <source>µg</source>
        <translation>мкг</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="287"/>
        <source>mg</source>
        <translation>мг</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="288"/>
        <source>g</source>
        <translation>г</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="289"/>
        <source>kg</source>
        <translation>кг</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="290"/>
        <location filename="../../src/services/Messages.h" line="340"/>
        <location filename="../../src/services/Messages.h" line="552"/>
        <source>Aliquot volume, cm^3^</source>
        <translation>Объем аликвоты, см^3^</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="291"/>
        <location filename="../../src/services/Messages.h" line="341"/>
        <location filename="../../src/services/Messages.h" line="554"/>
        <source>Dilution factor</source>
        <translation>Коэффициент разбавления</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="292"/>
        <location filename="../../src/services/Messages.h" line="342"/>
        <location filename="../../src/services/Messages.h" line="555"/>
        <source>Sample mass, g</source>
        <translation>Масса навески, г</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="293"/>
        <location filename="../../src/services/Messages.h" line="343"/>
        <location filename="../../src/services/Messages.h" line="556"/>
        <source>Prepared volume, cm^3^</source>
        <translation>Объем пробы после подготовки, см^3^</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="294"/>
        <location filename="../../src/services/Messages.h" line="344"/>
        <location filename="../../src/services/Messages.h" line="553"/>
        <source>Cell volume, cm^3^</source>
        <translation>Объем ячейки, см^3^</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="296"/>
        <source>Number of electrons transferred in the redox event</source>
        <translation>Число электронов, участвующих в окислительно-восстановительной реакции</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="297"/>
        <source>Electrode area, cm^2^</source>
        <translation>Площадь электрода, см^2^</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="298"/>
        <source>Concentration, mol/dm^3^</source>
        <translation>Концентрация, моль/дм^3^</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="299"/>
        <source>Temperature, K</source>
        <translation>Температура, К</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="301"/>
        <source>Kinematic viscosity of the solution, cm^2^/s</source>
        <translation>Кинематическая вязкость раствора, см^2^/с</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="302"/>
        <source>Diffusion coefficient, cm^2^/s</source>
        <translation>Коэффициент диффузии, см^2^/с</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="303"/>
        <source>Select series using checkboxes</source>
        <translation>Выберите серии с помощью флажков</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="304"/>
        <source>Concentration</source>
        <translation>Концентрация</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="305"/>
        <source>Square root of the sweep rate</source>
        <translation>Квадратный корень из скорости развертки</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="307"/>
        <source>Square root of the angular frequency</source>
        <translation>Квадратный корень из угловой частоты</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="308"/>
        <source>Cleaning potential</source>
        <translation>Потенциал очистки</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="309"/>
        <source>Cleaning time</source>
        <translation>Время очистки</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="310"/>
        <source>Preparation 1 potential</source>
        <translation>Потенциал подготовки 1</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="311"/>
        <source>Preparation 1 time</source>
        <translation>Время подготовки 1</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="312"/>
        <source>Preparation 2 potential</source>
        <translation>Потенциал подготовки 2</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="313"/>
        <source>Preparation 2 time</source>
        <translation>Время подготовки 2</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="314"/>
        <source>Electrolysis potential</source>
        <translation>Потенциал электролиза</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="315"/>
        <source>Electrolysis time</source>
        <translation>Время электролиза</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="317"/>
        <source>Modulation amplitude</source>
        <translation>Амплитуда модуляции</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="318"/>
        <source>Modulation frequency</source>
        <translation>Частота модуляции</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="321"/>
        <source>Method is not supported. Probably this file was created in newer version of the software. Update may solve this problem.</source>
        <translation>Метод расчета не поддерживается. Вероятно, файл создан более новой версией программы. Обновление может решить эту проблему.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="324"/>
        <source>The clipboard text does not fit the table here: cell %s cannot take &quot;%s&quot;. Nothing was pasted.</source>
        <translation>Текст из буфера обмена не подходит для этой таблицы: ячейка %s не может принять «%s». Ничего не вставлено.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="327"/>
        <source>Specify the dimension of the result</source>
        <translation>Укажите размерность результата</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="331"/>
        <source>Supporting electrolyte current</source>
        <translation>Ток фона</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="332"/>
        <source>Analyte current</source>
        <translation>Ток пробы</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="333"/>
        <source>Added standard 1 current</source>
        <translation>Ток пробы с добавкой 1</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="334"/>
        <source>Added standard 2 current</source>
        <translation>Ток пробы с добавкой 2</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="335"/>
        <source>Added standard 3 current</source>
        <translation>Ток пробы с добавкой 3</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="336"/>
        <source>Reference sample current</source>
        <translation>Ток раствора сравнения</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="337"/>
        <source>Addition 1 concentration</source>
        <translation>Концентрация добавки 1</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="338"/>
        <source>Addition 2 concentration</source>
        <translation>Концентрация добавки 2</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="339"/>
        <source>Addition 3 concentration</source>
        <translation>Концентрация добавки 3</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="349"/>
        <source>Empty variable name</source>
        <translation>Пустое имя переменной</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="351"/>
        <source>The variable name can not consist only of digits</source>
        <translation>Имя переменной не может состоять только из цифр</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="352"/>
        <source>Duplicate variable name</source>
        <translation>Повторяющееся имя переменной</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="353"/>
        <source>Unknown variable</source>
        <translation>Неизвестная переменная</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="355"/>
        <source>%s &apos;%s&apos;</source>
        <translation>%s «%s»</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="358"/>
        <source>Remove selected</source>
        <translation>Удаление выделенного</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="359"/>
        <source>Rename</source>
        <translation>Переименование</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="360"/>
        <source>Change node type</source>
        <translation>Изменение типа узла</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="361"/>
        <source>Show/Hide series</source>
        <translation>Показ/скрытие серий</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="362"/>
        <source>Fold/Unfold</source>
        <translation>Свертывание/развертывание</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="363"/>
        <source>Move up</source>
        <translation>Перемещение вверх</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="364"/>
        <source>Move down</source>
        <translation>Перемещение вниз</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="365"/>
        <source>Check</source>
        <translation>Отметка</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="366"/>
        <source>Group nodes</source>
        <translation>Группировка узлов</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="367"/>
        <source>Separate nodes</source>
        <translation>Разделение узлов</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="368"/>
        <source>Data change</source>
        <translation>Изменение данных</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="369"/>
        <source>Peak change</source>
        <translation>Изменение пика</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="370"/>
        <source>New peak</source>
        <translation>Новый пик</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="371"/>
        <source>Remove peak</source>
        <translation>Удаление пика</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="372"/>
        <source>Peaks auto search</source>
        <translation>Автопоиск пиков</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="373"/>
        <source>Rename peak</source>
        <translation>Переименование пика</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="374"/>
        <source>Parameters change</source>
        <translation>Изменение параметров</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="375"/>
        <source>Potential shift</source>
        <translation>Сдвиг потенциала</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="376"/>
        <source>Paste data</source>
        <translation>Вставка данных</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="379"/>
        <source>Unable to open com port</source>
        <translation>Не удается открыть COM-порт</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="380"/>
        <source>The folder &quot;%s&quot; does not exist. Choose an existing folder for the central database.</source>
        <translation>Папка «%s» не существует. Выберите существующую папку для центральной базы данных.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="383"/>
        <source>The analyzer is not on line. Connect it on the &quot;Ports&quot; page with &quot;Test&quot; first.</source>
        <translation>Анализатор не на связи. Сначала подключите его на странице «Порты» кнопкой «Проверка».</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="386"/>
        <source>Unable to open com port
&quot;%s&quot;: %s</source>
        <translation>Не удается открыть COM-порт
«%s»: %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="388"/>
        <source>The serial port &quot;%s&quot; of the analyzer was lost (%s). A run in progress has ended; its finished voltammograms are kept. Reconnect the analyzer and press &quot;Reset device&quot;.</source>
        <translation>Связь с последовательным портом «%s» анализатора потеряна (%s). Текущая регистрация прервана; завершенные вольтамперограммы сохранены. Подключите анализатор снова и нажмите «Сброс прибора».</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="391"/>
        <source>No serial port was found, so the port setting names the built-in analyzer emulator. Voltammograms recorded from it are simulated, not measured, and are marked so. Choose the analyzer&apos;s port in Settings, &quot;Ports&quot;.</source>
        <translation>Последовательный порт не найден, поэтому в настройке порта указан встроенный эмулятор анализатора. Записанные с него вольтамперограммы смоделированы, а не измерены, и помечены соответствующим образом. Выберите порт анализатора в окне «Настройки», на странице «Порты».</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="397"/>
        <source>The index &quot;%s&quot; of the record folder is damaged (%s). The items read before the damage are kept; the file is kept as &quot;%s&quot;.</source>
        <translation>Индекс «%s» папки записей поврежден (%s). Элементы, прочитанные до места повреждения, сохранены; файл сохранен как «%s».</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="401"/>
        <source>The record &quot;%s&quot; cannot be read from &quot;%s&quot;: %s</source>
        <translation>Запись «%s» не удается прочитать из «%s»: %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="403"/>
        <source>The block with tag %s holds %s bytes where %s are expected</source>
        <translation>Блок с тегом %s содержит %s байт, а ожидалось %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="405"/>
        <source>The calibration points block counts %s points in %s bytes</source>
        <translation>Блок точек градуировки указывает %s точек в %s байтах</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="408"/>
        <location filename="../../src/services/Messages.h" line="565"/>
        <source>Report date: %s</source>
        <translation>Дата отчета: %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="409"/>
        <source>Element: %s</source>
        <translation>Элемент: %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="410"/>
        <source>Calibration date: %s</source>
        <translation>Дата градуировки: %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="411"/>
        <location filename="../../src/services/Messages.h" line="569"/>
        <source>Calculation chart</source>
        <translation>График расчета</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="412"/>
        <source>R^2^[%s]=%1.4f</source>
        <translation>R^2^[%s]=%1.4f</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="413"/>
        <source>y[%s]=%4.5f+%4.5f*C</source>
        <translation>y[%s]=%4.5f+%4.5f*C</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="415"/>
        <source>s(y/x)=%s  LOD=%s  LOQ=%s mg/dm3  (n=%d)</source>
        <translation>s(y/x)=%s  LOD=%s  LOQ=%s мг/дм3  (n=%d)</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="416"/>
        <location filename="../../src/services/Messages.h" line="573"/>
        <source>Database #</source>
        <translation>№ в базе данных</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="418"/>
        <location filename="../../src/services/Messages.h" line="588"/>
        <source>Concentration, [%s/%s]</source>
        <translation>Концентрация, [%s/%s]</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="419"/>
        <source>%s R2=%1.4f</source>
        <translation>%s R2=%1.4f</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="420"/>
        <source>Method already exists!</source>
        <translation>Методика уже существует!</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="421"/>
        <source>error on method load!</source>
        <translation>ошибка при загрузке методики!</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="423"/>
        <source>error on method script correction!</source>
        <translation>ошибка при исправлении сценария методики!</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="424"/>
        <source>Enter the name, please...</source>
        <translation>Введите, пожалуйста, имя...</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="427"/>
        <source>Loading method %s...</source>
        <translation>Загрузка методики %s...</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="428"/>
        <source>Method file|*.mtd</source>
        <translation>Файл методики|*.mtd</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="429"/>
        <source>Script file *.tvs|*.tvs</source>
        <translation>Файл сценария *.tvs|*.tvs</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="431"/>
        <source>The method &quot;%s&quot; cannot be read and is left out: %s</source>
        <translation>Методику «%s» не удается прочитать, она пропущена: %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="433"/>
        <source>The data is damaged: it holds more %s than a method can (at most %s).</source>
        <translation>Данные повреждены: элементов «%s» больше, чем допускает методика (не более %s).</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="435"/>
        <source>The data is damaged: %s holds the invalid value %s.</source>
        <translation>Данные повреждены: «%s» содержит недопустимое значение %s.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="436"/>
        <location filename="../../src/services/Messages.h" line="567"/>
        <source>Record parameters</source>
        <translation>Параметры записи</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="437"/>
        <location filename="../../src/services/Messages.h" line="474"/>
        <source>Custom</source>
        <translation>Пользовательский</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="439"/>
        <source>Assembling of cell</source>
        <translation>Сборка ячейки</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="440"/>
        <source>Recording</source>
        <translation>Регистрация</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="441"/>
        <source>Treatment</source>
        <translation>Обработка</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="442"/>
        <source>Report</source>
        <translation>Отчет</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="444"/>
        <source>Wait for user input</source>
        <translation>Ожидать действия пользователя</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="445"/>
        <source>Enter Stage name</source>
        <translation>Ввести название этапа</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="446"/>
        <source>Switch page</source>
        <translation>Переключить страницу</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="447"/>
        <source>Set cell type</source>
        <translation>Задать тип ячейки</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="448"/>
        <source>Set electrod material</source>
        <translation>Задать материал электрода</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="449"/>
        <source>Begin measurement cycle</source>
        <translation>Начать цикл измерений</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="450"/>
        <source>Set calculation method</source>
        <translation>Задать метод расчета</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="451"/>
        <source>Set default calculation parameters</source>
        <translation>Задать параметры расчета по умолчанию</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="452"/>
        <source>Set concentration dimention</source>
        <translation>Задать размерность концентрации</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="453"/>
        <source>Set predefined peaks</source>
        <translation>Задать предопределенные пики</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="454"/>
        <source>Set VA program</source>
        <translation>Задать программу ВА</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="455"/>
        <source>Set program loops count</source>
        <translation>Задать число повторов программы</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="456"/>
        <source>End measurement cycle</source>
        <translation>Закончить цикл измерений</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="457"/>
        <source>Set addon type</source>
        <translation>Задать тип приставки</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="458"/>
        <source>Set backbround electrolyte</source>
        <translation>Задать фоновый электролит</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="459"/>
        <source>Hide unused controls</source>
        <translation>Скрыть неиспользуемые элементы</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="460"/>
        <source>Add statistics</source>
        <translation>Добавить статистику</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="461"/>
        <source>Add custom equation</source>
        <translation>Добавить пользовательскую формулу</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="462"/>
        <location filename="../../src/services/Messages.h" line="499"/>
        <source>Start record</source>
        <translation>Начать запись</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="463"/>
        <source>Record control solution</source>
        <translation>Записать контрольный раствор</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="464"/>
        <source>Simulation script flag</source>
        <translation>Признак сценария моделирования</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="465"/>
        <source>Add dummy data</source>
        <translation>Добавить модельные данные</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="466"/>
        <source>Number of parallel samples</source>
        <translation>Число параллельных проб</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="467"/>
        <source>Activation cycle</source>
        <translation>Цикл активации</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="469"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="470"/>
        <source>New stage</source>
        <translation>Новый этап</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="471"/>
        <source>Set active page = %d</source>
        <translation>Активная страница = %d</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="472"/>
        <source>Set conjunction type to %s</source>
        <translation>Схема подключения: %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="473"/>
        <source>Set electrod type to %s</source>
        <translation>Тип электрода: %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="475"/>
        <source>Carbositall</source>
        <translation>Карбоситалл</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="476"/>
        <source>Gold</source>
        <translation>Золото</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="477"/>
        <source>Platinum</source>
        <translation>Платина</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="478"/>
        <source>Silver</source>
        <translation>Серебро</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="479"/>
        <source>Modified Carbon</source>
        <translation>Модифицированный углерод</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="480"/>
        <source>Carbon</source>
        <translation>Углерод</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="481"/>
        <source>Begin of measurement cycle</source>
        <translation>Начало цикла измерений</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="482"/>
        <source>Calculation method: %s</source>
        <translation>Метод расчета: %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="483"/>
        <source>Calculations table: %s</source>
        <translation>Таблица расчетов: %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="484"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="486"/>
        <source>Concentration dimentions: %s</source>
        <translation>Размерность концентрации: %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="487"/>
        <source>Predefined peaks</source>
        <translation>Предопределенные пики</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="488"/>
        <source>Record program %s</source>
        <translation>Программа записи %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="489"/>
        <source>Loops count: %d</source>
        <translation>Число повторов: %d</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="490"/>
        <source>End of measurement cycle</source>
        <translation>Конец цикла измерений</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="491"/>
        <source>Stirrer type: %s</source>
        <translation>Тип мешалки: %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="492"/>
        <source>Supporting electrolyte: %s</source>
        <translation>Фоновый электролит: %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="493"/>
        <source>Controls visibility: %s</source>
        <translation>Видимость элементов управления: %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="494"/>
        <source>Show all</source>
        <translation>Показывать все</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="495"/>
        <source>Hide unused</source>
        <translation>Скрыть неиспользуемые</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="496"/>
        <source>Forbid changes</source>
        <translation>Запретить изменения</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="497"/>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="498"/>
        <source>Custom equation</source>
        <translation>Пользовательская формула</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="501"/>
        <source>Recording of control solution is NOT required</source>
        <translation>Запись контрольного раствора НЕ требуется</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="503"/>
        <source>Recording of control solution is required</source>
        <translation>Запись контрольного раствора обязательна</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="505"/>
        <source>Recording of control solution is not obligatory</source>
        <translation>Запись контрольного раствора необязательна</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="506"/>
        <source>Simulation script</source>
        <translation>Сценарий моделирования</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="507"/>
        <source>Data (%s)</source>
        <translation>Данные (%s)</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="508"/>
        <source>Number of parallel samples: %d</source>
        <translation>Число параллельных проб: %d</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="509"/>
        <source>Activation(%g ml of %s)</source>
        <translation>Активация (%g мл раствора %s)</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="512"/>
        <source>All types of programs|*.prg;*car;*.vap|Single step program *.prg|*.prg|Multistep program *.car|*.car|New multistep program *.vap|*.vap</source>
        <translation>Все типы программ|*.prg;*car;*.vap|Одношаговая программа *.prg|*.prg|Многошаговая программа *.car|*.car|Новая многошаговая программа *.vap|*.vap</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="515"/>
        <source>*.dat;*.txt|*.dat;*.txt</source>
        <translation>*.dat;*.txt|*.dat;*.txt</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="517"/>
        <source>The data file holds an odd count of numbers: the last point has no y value.</source>
        <translation>Файл данных содержит нечетное количество чисел: у последней точки нет значения y.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="519"/>
        <source>The data file holds more than %s points.</source>
        <translation>Файл данных содержит более %s точек.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="520"/>
        <source>Enter another name</source>
        <translation>Введите другое имя</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="521"/>
        <source>Volume of analyte prepared, cm^3^</source>
        <translation>Объем подготовленной пробы, см^3^</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="523"/>
        <source>Analysis of parallel sample (%d of %d) is completed.</source>
        <translation>Анализ параллельной пробы (%d из %d) завершен.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="525"/>
        <source>Measurement program interrupted!</source>
        <translation>Программа измерения прервана!</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="526"/>
        <source>You have changed some of the method&apos;s settings. Do You want to save the procedure under the new name?</source>
        <translation>Вы изменили некоторые настройки методики. Сохранить методику под новым именем?</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="532"/>
        <source>Element</source>
        <translation>Элемент</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="534"/>
        <source>X_i_, %s/%s</source>
        <translation>X_i_, %s/%s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="535"/>
        <source>X_med_, %s/%s</source>
        <translation>X_ср_, %s/%s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="536"/>
        <source>R, %s/%s</source>
        <translation>R, %s/%s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="537"/>
        <source>$д$, %</source>
        <translation>$д$, %</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="538"/>
        <source>$Д$, %s/%s</source>
        <translation>$Д$, %s/%s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="539"/>
        <source>X_max_-X_min_=%s </source>
        <translation>X_max_-X_min_=%s </translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="540"/>
        <source>X_max_-X_min_=%s (in cell) </source>
        <translation>X_max_-X_min_=%s (в ячейке) </translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="541"/>
        <source>%s %s</source>
        <translation>%s %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="543"/>
        <source>Dimensions of report and statistics are incompatible</source>
        <translation>Размерности отчета и статистики несовместимы</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="544"/>
        <source>Cell concentrations are unknown</source>
        <translation>Концентрации в ячейке неизвестны</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="545"/>
        <source>Element not found</source>
        <translation>Элемент не найден</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="547"/>
        <source>X_med_=%s &gt; %s - maximum detectable concentration</source>
        <translation>X_ср_=%s &gt; %s - максимальная определяемая концентрация</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="549"/>
        <source>X_med_=%s &lt; %s - limit of determination</source>
        <translation>X_ср_=%s &lt; %s - нижняя граница определяемых концентраций</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="550"/>
        <source> (in cell)</source>
        <translation> (в ячейке)</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="558"/>
        <source>The report is damaged: block %s comes before its experiment or element</source>
        <translation>Отчет поврежден: блок %s стоит раньше своего эксперимента или элемента</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="560"/>
        <source>The report is damaged: %s volumes where at most 5 are kept</source>
        <translation>Отчет поврежден: объемов %s, а сохраняется не более 5</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="561"/>
        <source>The report is damaged: more than %s %s</source>
        <translation>Отчет поврежден: больше %s записей «%s»</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="563"/>
        <source>The report is damaged: block %s counts %s values in %s bytes</source>
        <translation>Отчет поврежден: блок %s указывает %s значений в %s байтах</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="566"/>
        <source>File name: %s</source>
        <translation>Имя файла: %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="568"/>
        <source>Data table</source>
        <translation>Таблица данных</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="570"/>
        <source>Calculations table</source>
        <translation>Таблица расчетов</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="571"/>
        <source>Results table</source>
        <translation>Таблица результатов</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="572"/>
        <source>Notes</source>
        <translation>Примечания</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="574"/>
        <source>Measurment type</source>
        <translation>Тип измерения</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="575"/>
        <source>X_i_ - ion concentration in the sample for a single determination (with account for dilution, or mass concentration).</source>
        <translation>X_i_ - концентрация иона в пробе по результату единичного определения (с учетом разбавления или массовая концентрация).</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="580"/>
        <source>X_med_ - medium ion concentration in the sample.</source>
        <translation>X_ср_ - среднее значение концентрации иона в пробе.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="582"/>
        <source>R - absolute difference between parallel determination results.</source>
        <translation>R - абсолютное расхождение между результатами параллельных определений.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="583"/>
        <source>$д$ - percent error.</source>
        <translation>$д$ - относительная погрешность (в процентах).</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="585"/>
        <source>$Д$ - absolute error of the measurement results.</source>
        <translation>$Д$ - абсолютная погрешность результатов измерений.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="587"/>
        <source>Dash in cell means that element concentration is lower than the detection limit.</source>
        <translation>Прочерк в ячейке означает, что концентрация элемента ниже предела обнаружения.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="592"/>
        <source>A first voltammogram can be recorded without an analyzer, from the built-in analyzer emulator. The emulator SIMULATES the instrument: its curves are simulated data, not measurements, and are marked &quot;[EMULATOR - simulated]&quot;.

The port setting (Settings, &quot;Ports&quot;) will name the emulator instead of &quot;%s&quot;; choose the analyzer&apos;s port there again to measure.

Record a simulated voltammogram now?</source>
        <translation>Первую вольтамперограмму можно записать без анализатора, с помощью встроенного эмулятора анализатора. Эмулятор МОДЕЛИРУЕТ прибор: его кривые являются смоделированными данными, а не измерениями, и помечаются «[EMULATOR - simulated]».

В настройке порта (окно «Настройки», страница «Порты») вместо «%s» будет указан эмулятор; чтобы выполнять измерения, снова выберите там порт анализатора.

Записать смоделированную вольтамперограмму сейчас?</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="598"/>
        <source>The example program &quot;%s&quot; cannot be read (%s). Set up a program in &quot;Record parameters&quot; instead.</source>
        <translation>Не удается прочитать пример программы «%s» (%s). Задайте программу в окне «Параметры записи».</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="601"/>
        <source>The example &quot;%s&quot; cannot be copied to &quot;%s&quot;.</source>
        <translation>Не удается скопировать пример «%s» в «%s».</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="607"/>
        <source>Would you like to delete the installer from the temporary folder (%s)?</source>
        <translation>Удалить программу установки из временной папки (%s)?</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="608"/>
        <source>Checking for updates...</source>
        <translation>Проверка обновлений...</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="609"/>
        <source>Connecting...</source>
        <translation>Соединение...</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="610"/>
        <source>%s of %s bytes</source>
        <translation>%s из %s байт</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="612"/>
        <source>Downloading upgrade information...</source>
        <translation>Загрузка сведений об обновлении...</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="613"/>
        <source>A new snapshot version (%s) is available! Not recomended for critical measurements!
The size of update: %s KB.

Click &quot;Next&quot; to download.</source>
        <translation>Доступна новая тестовая версия (%s)! Не рекомендуется для ответственных измерений!
Размер обновления: %s КБ.

Нажмите «Далее», чтобы загрузить.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="617"/>
        <source>A new version (%s) is available!
The size of update: %s KB.

Click &quot;Next&quot; to download.</source>
        <translation>Доступна новая версия (%s)!
Размер обновления: %s КБ.

Нажмите «Далее», чтобы загрузить.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="620"/>
        <source>Your version is newer than on the Internet.</source>
        <translation>Ваша версия новее, чем версия в Интернете.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="621"/>
        <source>Your program is up-to-date.</source>
        <translation>У вас установлена последняя версия программы.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="623"/>
        <source>Live-update couldn&apos;t retrieve the catalog file of available updates. Please check that your connection to the Internet in functioning correctly and retry.</source>
        <translation>Не удалось получить каталог доступных обновлений. Проверьте, что подключение к Интернету работает правильно, и повторите попытку.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="628"/>
        <source>Live-update couldn&apos;t retrieve the catalog file of available updates. Please check that your connection to the Internet in functioning correctly and retry.

%s</source>
        <translation>Не удалось получить каталог доступных обновлений. Проверьте, что подключение к Интернету работает правильно, и повторите попытку.

%s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="631"/>
        <source>Downloading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="632"/>
        <source>Download complete. Installer saved to %s

Click &quot;Next&quot; to install. Program will be terminated</source>
        <translation>Загрузка завершена. Программа установки сохранена в %s

Нажмите «Далее», чтобы начать установку. Программа будет закрыта</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="634"/>
        <source>No address of the update catalogue is set (&quot;CatalogueUrl&quot; in the section &quot;Install&quot; of Options.ini).</source>
        <translation>Не задан адрес каталога обновлений («CatalogueUrl» в разделе «Install» файла Options.ini).</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="638"/>
        <source>The update catalogue is larger than %s bytes.</source>
        <translation>Каталог обновлений больше %s байт.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="640"/>
        <source>The update catalogue has %s lines; it needs at least 3.</source>
        <translation>В каталоге обновлений строк: %s; нужно не менее 3.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="642"/>
        <source>Line %s of the update catalogue is not valid: %s</source>
        <translation>Строка %s каталога обновлений недопустима: %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="644"/>
        <source>a version of the form yyyy.mm.dd is expected</source>
        <translation>ожидается версия вида yyyy.mm.dd</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="646"/>
        <source>a size in bytes between 1 and %s is expected</source>
        <translation>ожидается размер в байтах от 1 до %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="648"/>
        <source>an http:// or https:// address of at most %s characters is expected</source>
        <translation>ожидается адрес http:// или https:// длиной не более %s символов</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="650"/>
        <source>a SHA-256 checksum of 64 hexadecimal digits is expected</source>
        <translation>ожидается контрольная сумма SHA-256 из 64 шестнадцатеричных цифр</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="651"/>
        <source>The update catalogue gives no SHA-256 checksum for the offered installer, so it cannot be verified.</source>
        <translation>В каталоге обновлений нет контрольной суммы SHA-256 для предлагаемой программы установки, поэтому ее нельзя проверить.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="653"/>
        <source>The downloaded installer does not match the SHA-256 checksum of the update catalogue. It was not saved and will not be opened.</source>
        <translation>Загруженная программа установки не соответствует контрольной сумме SHA-256 из каталога обновлений. Она не сохранена и не будет открыта.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="657"/>
        <source>The installer &quot;%s&quot; no longer matches the SHA-256 checksum of the update catalogue. It will not be opened.</source>
        <translation>Программа установки «%s» больше не соответствует контрольной сумме SHA-256 из каталога обновлений. Она не будет открыта.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="661"/>
        <source>The server sends more than the %s bytes it announced.</source>
        <translation>Сервер передает больше заявленных %s байт.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="663"/>
        <source>The server&apos;s content length &quot;%s&quot; is not a number.</source>
        <translation>Размер содержимого «%s», указанный сервером, не является числом.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="664"/>
        <source>The server sent nothing.</source>
        <translation>Сервер ничего не передал.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="666"/>
        <source>The installer cannot be saved as &quot;%s&quot;: %s</source>
        <translation>Не удается сохранить программу установки как «%s»: %s</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="668"/>
        <source>The installer &quot;%s&quot; cannot be opened.</source>
        <translation>Не удается открыть программу установки «%s».</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="671"/>
        <source>Connection setup...</source>
        <translation>Настройка соединения...</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="672"/>
        <source>Error while loading animation!</source>
        <translation>Ошибка при загрузке анимации!</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="675"/>
        <source>Connect RDE/Autosampler control port (Ctrl) and PC connection port (RS232) on the back side of the Analyzer.</source>
        <translation>Подключите порт управления ВДЭ/автосамплером (Ctrl) и порт связи с компьютером (RS232) на задней панели анализатора.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="678"/>
        <source>Connect Working, Reference and Auxiliary electrodes to their connectors on the front side of the Analyzer.</source>
        <translation>Подключите рабочий электрод, электрод сравнения и вспомогательный электрод к их разъемам на передней панели анализатора.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="682"/>
        <source>Connect Power supply (PWR) and turn on the Analyzer by switching the tumbler up.</source>
        <translation>Подключите блок питания (PWR) и включите анализатор, переведя тумблер вверх.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="683"/>
        <source>Screw the RDE in the holder.</source>
        <translation>Вкрутите ВДЭ в держатель.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="685"/>
        <source>Screw the working tip on the electrode.</source>
        <translation>Накрутите рабочий наконечник на электрод.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="687"/>
        <source>Install the platform and the electrodes holder on the stand.</source>
        <translation>Установите на штатив площадку и держатель электродов.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="689"/>
        <source>Install the Reference and Auxiliary electrodes and plug their connectors.</source>
        <translation>Установите электрод сравнения и вспомогательный электрод и подключите их разъемы.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="690"/>
        <source>Place the electrochemical cell with the solution on the platform under the electrodes and put the holder down.</source>
        <translation>Поставьте электрохимическую ячейку с раствором на площадку под электродами и опустите держатель.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="694"/>
        <source>Install clips into the electrodes holders and place it on the stand.</source>
        <translation>Вставьте зажимы в держатели электродов и установите держатель на штатив.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="695"/>
        <source>Place stirrer on the stand, connect Power supply and turn it on by switching the tumbler.</source>
        <translation>Поставьте мешалку на штатив, подключите блок питания и включите мешалку тумблером.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="697"/>
        <source>Screw the working tip on the electrode. Install the working electrode in the holder.</source>
        <translation>Накрутите рабочий наконечник на электрод. Установите рабочий электрод в держатель.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="700"/>
        <source>Install the Reference and Auxiliary electrodes.</source>
        <translation>Установите электрод сравнения и вспомогательный электрод.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="701"/>
        <source>Place the electrochemical cell with the solution on the stirrer. Put the stir bar and pull the holder down.</source>
        <translation>Поставьте электрохимическую ячейку с раствором на мешалку. Положите якорь мешалки и опустите держатель.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="704"/>
        <source>Connect Autosampler control port (Ctrl) and Power supply (PWR). Turn on the Autosampler by switching the tumbler up.</source>
        <translation>Подключите порт управления автосамплером (Ctrl) и блок питания (PWR). Включите автосамплер, переведя тумблер вверх.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="709"/>
        <source>Install the Combined electrode in the holder.</source>
        <translation>Установите комбинированный электрод в держатель.</translation>
    </message>
    <message>
        <location filename="../../src/services/Messages.h" line="710"/>
        <source>Connect the Combined electrode connector to the jack on the front side of the Analyzer.</source>
        <translation>Подключите разъем комбинированного электрода к гнезду на передней панели анализатора.</translation>
    </message>
</context>
</TS>
