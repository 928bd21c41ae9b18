<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
    <context>
        <name>ColorValue</name>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="58" />
            <source>Black</source>
            <translation>Черный</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="59" />
            <source>Maroon</source>
            <translation>Бордовый</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="60" />
            <source>Green</source>
            <translation>Зеленый</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="61" />
            <source>Olive</source>
            <translation>Оливковый</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="62" />
            <source>Navy</source>
            <translation>Темно-синий</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="63" />
            <source>Purple</source>
            <translation>Фиолетовый</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="64" />
            <source>Teal</source>
            <translation>Сине-зеленый</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="65" />
            <source>Gray</source>
            <translation>Серый</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="66" />
            <source>Silver</source>
            <translation>Серебристый</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="67" />
            <source>Red</source>
            <translation>Красный</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="68" />
            <source>Lime</source>
            <translation>Салатовый</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="69" />
            <source>Yellow</source>
            <translation>Желтый</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="70" />
            <source>Blue</source>
            <translation>Синий</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="71" />
            <source>Fuchsia</source>
            <translation>Фуксия</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="72" />
            <source>Aqua</source>
            <translation>Голубой</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="73" />
            <source>White</source>
            <translation>Белый</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="74" />
            <source>Money green</source>
            <translation>Серо-зеленый</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="75" />
            <source>Sky blue</source>
            <translation>Небесно-голубой</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="76" />
            <source>Cream</source>
            <translation>Кремовый</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="77" />
            <source>Medium gray</source>
            <translation>Средне-серый</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="78" />
            <source>Highlight</source>
            <translation>Выделение</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="79" />
            <source>Highlighted text</source>
            <translation>Выделенный текст</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="80" />
            <source>Window</source>
            <translation>Окно</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="81" />
            <source>Window text</source>
            <translation>Текст окна</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="82" />
            <source>Button face</source>
            <translation>Поверхность кнопки</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorValue.cpp" line="83" />
            <source>Button text</source>
            <translation>Текст кнопки</translation>
        </message>
    </context>
    <context>
        <name>SplashWindow</name>
        <message>
            <location filename="../../src/app/SplashWindow.cpp" line="25" />
            <source>Version %1</source>
            <translation>Версия %1</translation>
        </message>
    </context>
    <context>
        <name>StartPanelHost</name>
        <message>
            <location filename="../../src/app/StartPanelHost.cpp" line="38" />
            <source>Standard additions: Zn, Cd, Pb, Cu</source>
            <translation>Стандартные добавки: Zn, Cd, Pb, Cu</translation>
        </message>
        <message>
            <location filename="../../src/app/StartPanelHost.cpp" line="39" />
            <source>Background, sample, two additions; simulated by the emulator</source>
            <translation>Фон, проба, две добавки; смоделировано эмулятором</translation>
        </message>
        <message>
            <location filename="../../src/app/StartPanelHost.cpp" line="40" />
            <source>Standard additions with peaks</source>
            <translation>Стандартные добавки с пиками</translation>
        </message>
        <message>
            <location filename="../../src/app/StartPanelHost.cpp" line="41" />
            <source>The same simulated run, its peaks found and named</source>
            <translation>Тот же смоделированный анализ, пики найдены и названы</translation>
        </message>
    </context>
    <context>
        <name>TOptionsForm</name>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="29" />
            <source>200 nA</source>
            <translation>200 нА</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="29" />
            <source>2 mkA</source>
            <translation>2 мкА</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="30" />
            <source>20 mkA</source>
            <translation>20 мкА</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="30" />
            <source>200 mkA</source>
            <translation>200 мкА</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="31" />
            <source>2 mA</source>
            <translation>2 мА</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="31" />
            <source>200 mkA mod</source>
            <translation>200 мкА мод</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="67" />
            <source>Touch memory</source>
            <translation>Touch memory</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="74" />
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="99" />
            <source>Rd </source>
            <translation>Чт </translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="75" />
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="100" />
            <source>Wr </source>
            <translation>Зп </translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="83" />
            <source>DAC ADC</source>
            <translation>ЦАП АЦП</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="84" />
            <source>DAC 2</source>
            <translation>ЦАП 2</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="91" />
            <source>Грубо</source>
            <translation>Грубо</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="93" />
            <source>Precise</source>
            <translation>Точно</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="95" />
            <source>Gain</source>
            <translation>Усиление</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="97" />
            <source>Offset</source>
            <translation>Смещение</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="107" />
            <source>K DAC</source>
            <translation>К ЦАП</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="115" />
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="153" />
            <source>Range</source>
            <translation>Диапазон</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="116" />
            <source>Zero</source>
            <translation>Ноль</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="117" />
            <source>Coefficients</source>
            <translation>Коэффициенты</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="142" />
            <source>-/+</source>
            <translation>-/+</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="143" />
            <source>Measure</source>
            <translation>Измерить</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="145" />
            <source>Calibr</source>
            <translation>Калибровать</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="155" />
            <source>U</source>
            <translation>U</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="158" />
            <source>R</source>
            <translation>R</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="165" />
            <source>Apply</source>
            <translation>Применить</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsCalibrationPage.cpp" line="167" />
            <source>Reload</source>
            <translation>Перечитать</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsGeneralPage.cpp" line="24" />
            <source>Data storage</source>
            <translation>Хранение данных</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsGeneralPage.cpp" line="25" />
            <source>Separate files</source>
            <translation>Отдельные файлы</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsGeneralPage.cpp" line="26" />
            <source>Central database</source>
            <translation>Центральная база данных</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsGeneralPage.cpp" line="30" />
            <source>Location</source>
            <translation>Расположение</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsGeneralPage.cpp" line="45" />
            <source>Data view</source>
            <translation>Представление данных</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsGeneralPage.cpp" line="46" />
            <source>Flat file</source>
            <translation>Плоский список</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsGeneralPage.cpp" line="47" />
            <source>Tree structure</source>
            <translation>Древовидная структура</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsGeneralPage.cpp" line="56" />
            <source>Check for updates automatically</source>
            <translation>Автоматически проверять обновления</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsGeneralPage.cpp" line="57" />
            <source>Show snapshot builds</source>
            <translation>Показывать промежуточные сборки</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsGeneralPage.cpp" line="58" />
            <source>Auto backup recorded data</source>
            <translation>Автоматически сохранять резервную копию записанных данных</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsGeneralPage.cpp" line="59" />
            <source>Ask for modified methods save</source>
            <translation>Спрашивать о сохранении измененных методик</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsGeneralPage.cpp" line="61" />
            <source>Working directory</source>
            <translation>Рабочая папка</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsImagesPage.cpp" line="34" />
            <source>Thumbnails</source>
            <translation>Миниатюры</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsImagesPage.cpp" line="50" />
            <source>Width</source>
            <translation>Ширина</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsImagesPage.cpp" line="51" />
            <source>Height</source>
            <translation>Высота</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsImagesPage.cpp" line="52" />
            <source>Fields</source>
            <translation>Поля</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsImagesPage.cpp" line="53" />
            <source>Margin</source>
            <translation>Отступ</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsImagesPage.cpp" line="68" />
            <source>Data:</source>
            <translation>Данные:</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsImagesPage.cpp" line="69" />
            <location filename="../../src/services/ui/OptionsImagesPage.cpp" line="79" />
            <source>Background:</source>
            <translation>Фон:</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsImagesPage.cpp" line="70" />
            <source>Border:</source>
            <translation>Рамка:</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsImagesPage.cpp" line="71" />
            <source>Selection:</source>
            <translation>Выделение:</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsImagesPage.cpp" line="76" />
            <source>Main Chart</source>
            <translation>Основной график</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsImagesPage.cpp" line="80" />
            <source>Peaks colors</source>
            <translation>Цвета пиков</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsImagesPage.cpp" line="83" />
            <source>Superimposed:</source>
            <translation>Наложенные:</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsImagesPage.cpp" line="84" />
            <source>Matching:</source>
            <translation>Совпадающие:</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsImagesPage.cpp" line="85" />
            <source>Caption:</source>
            <translation>Подпись:</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsPortsPage.cpp" line="41" />
            <source>Analyzer connection</source>
            <translation>Подключение анализатора</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsPortsPage.cpp" line="48" />
            <source>Test</source>
            <translation>Проверить</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsPortsPage.cpp" line="61" />
            <source>Port:</source>
            <translation>Порт:</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsPortsPage.cpp" line="64" />
            <source>Status:</source>
            <translation>Состояние:</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsPortsPage.cpp" line="65" />
            <source>Firmware version:</source>
            <translation>Версия прошивки:</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsPortsPage.cpp" line="66" />
            <source>Autosampler:</source>
            <translation>Автосамплер:</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsPortsPage.cpp" line="67" />
            <source>Notes:</source>
            <translation>Примечания:</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsPortsPage.cpp" line="68" />
            <source>Use new 3 in 1</source>
            <translation>Использовать новый 3 в 1</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsPortsPage.cpp" line="74" />
            <source>Connect the analyzer to a serial port of this computer and switch it on. Choose the port in the list (or type the path of a serial device) and press "Test": the analyzer is reset and reports its status, firmware version and autosampler.

Choose "emulator" to work with the built-in analyzer emulator when no analyzer is connected.</source>
            <translation>Подключите анализатор к последовательному порту этого компьютера и включите его. Выберите порт в списке (или введите путь к последовательному устройству) и нажмите «Проверить»: анализатор будет сброшен и сообщит свое состояние, версию прошивки и автосамплер.

Выберите «emulator», чтобы работать со встроенным эмулятором анализатора, когда анализатор не подключен.</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TOptionsForm.cpp" line="31" />
            <source>General</source>
            <translation>Общие</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TOptionsForm.cpp" line="32" />
            <source>Ports</source>
            <translation>Порты</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TOptionsForm.cpp" line="33" />
            <source>Calibration (Experts only)</source>
            <translation>Калибровка (только для специалистов)</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TOptionsForm.cpp" line="34" />
            <source>Images and colors</source>
            <translation>Изображения и цвета</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TOptionsForm.cpp" line="37" />
            <source>Where recorded curves are kept (separate document files or one central database folder), how new recordings enter the document tree, automatic update checks and backups, and the folder that holds the settings and other per-user files.</source>
            <translation>Где хранятся записанные кривые (отдельные файлы документов или одна папка центральной базы данных), как новые записи попадают в дерево документа, автоматическая проверка обновлений и резервное копирование, а также папка с настройками и другими файлами пользователя.</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TOptionsForm.cpp" line="41" />
            <source>The serial port of the analyzer. Choosing a port opens it at once; "Test" resets the analyzer and shows its status, firmware version and autosampler.</source>
            <translation>Последовательный порт анализатора. Выбранный порт открывается сразу; «Проверить» сбрасывает анализатор и показывает его состояние, версию прошивки и автосамплер.</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TOptionsForm.cpp" line="44" />
            <source>The analyzer's calibration data. "Measure" reads the current through the reference resistor with the bench values last applied, "Calibr" computes the gain of the chosen range from it, "Apply" stores the page in the analyzer and "Reload" reads it back.</source>
            <translation>Калибровочные данные анализатора. «Измерить» измеряет ток через эталонный резистор при последних примененных значениях стенда, «Калибровать» вычисляет по нему коэффициент усиления выбранного диапазона, «Применить» записывает страницу в анализатор, а «Перечитать» считывает ее обратно.</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TOptionsForm.cpp" line="48" />
            <source>The size, margins and colours of the thumbnails, and the colours of the main chart's background and peaks.</source>
            <translation>Размер, поля и цвета миниатюр, а также цвета фона и пиков основного графика.</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TOptionsForm.cpp" line="95" />
            <source>OK</source>
            <translation>ОК</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TOptionsForm.cpp" line="96" />
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TOptionsForm.cpp" line="97" />
            <source>Reset</source>
            <translation>Сбросить</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TOptionsForm.cpp" line="98" />
            <source>Help</source>
            <translation>Справка</translation>
        </message>
    </context>
    <context>
        <name>velmora::AppCommandLine</name>
        <message>
            <location filename="../../src/app/AppCommandLine.cpp" line="20" />
            <source>Velmora-VA: the workstation of the stripping-voltammetry analyzer. It records voltammograms, finds their peaks and computes concentrations.</source>
            <translation>Velmora-VA: рабочая станция анализатора для инверсионной вольтамперометрии. Записывает вольтамперограммы, находит на них пики и вычисляет концентрации.</translation>
        </message>
        <message>
            <location filename="../../src/app/AppCommandLine.cpp" line="24" />
            <source>Saves pictures of the windows into DIR and quits.</source>
            <translation>Сохраняет изображения окон в папку DIR и завершает работу.</translation>
        </message>
        <message>
            <location filename="../../src/app/AppCommandLine.cpp" line="25" />
            <source>DIR</source>
            <translation>DIR</translation>
        </message>
        <message>
            <location filename="../../src/app/AppCommandLine.cpp" line="27" />
            <source>Starts with a demonstration document.</source>
            <translation>Запуск с демонстрационным документом.</translation>
        </message>
        <message>
            <location filename="../../src/app/AppCommandLine.cpp" line="31" />
            <source>document</source>
            <translation>документ</translation>
        </message>
        <message>
            <location filename="../../src/app/AppCommandLine.cpp" line="31" />
            <source>The document (.tvx, .mbd) to open at start.</source>
            <translation>Документ (.tvx, .mbd), открываемый при запуске.</translation>
        </message>
        <message>
            <location filename="../../src/app/AppCommandLine.cpp" line="31" />
            <source>[document]</source>
            <translation>[документ]</translation>
        </message>
    </context>
    <context>
        <name>velmora::ChartToolsHost</name>
        <message>
            <location filename="../../src/app/ChartToolsHost.cpp" line="26" />
            <source>Horizontal axis minimum value</source>
            <translation>Минимум горизонтальной оси</translation>
        </message>
        <message>
            <location filename="../../src/app/ChartToolsHost.cpp" line="27" />
            <source>Vertical axis minimum value</source>
            <translation>Минимум вертикальной оси</translation>
        </message>
        <message>
            <location filename="../../src/app/ChartToolsHost.cpp" line="36" />
            <source>Scale</source>
            <translation>Масштаб</translation>
        </message>
        <message>
            <location filename="../../src/app/ChartToolsHost.cpp" line="68" />
            <source>3D</source>
            <translation>3D</translation>
        </message>
        <message>
            <location filename="../../src/app/ChartToolsHost.cpp" line="88" />
            <source>Zoom, %</source>
            <translation>Масштаб, %</translation>
        </message>
        <message>
            <location filename="../../src/app/ChartToolsHost.cpp" line="88" />
            <source>Chart zoom</source>
            <translation>Масштаб графика</translation>
        </message>
        <message>
            <location filename="../../src/app/ChartToolsHost.cpp" line="89" />
            <source>3D, %</source>
            <translation>3D, %</translation>
        </message>
        <message>
            <location filename="../../src/app/ChartToolsHost.cpp" line="89" />
            <source>3D %</source>
            <translation>3D %</translation>
        </message>
    </context>
    <context>
        <name>velmora::ColorChooser</name>
        <message>
            <location filename="../../src/services/ui/ColorChooser.cpp" line="57" />
            <source>Custom</source>
            <translation>Другой</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/ColorChooser.cpp" line="66" />
            <source>Custom...</source>
            <translation>Другой...</translation>
        </message>
    </context>
    <context>
        <name>velmora::CurveCommands</name>
        <message>
            <location filename="../../src/app/CurveCommands.cpp" line="119" />
            <source>Smoothing filter value</source>
            <translation>Степень сглаживания</translation>
        </message>
        <message>
            <location filename="../../src/app/CurveCommands.cpp" line="135" />
            <source>Undo</source>
            <translation>Отменить</translation>
        </message>
        <message>
            <location filename="../../src/app/CurveCommands.cpp" line="136" />
            <source>Redo</source>
            <translation>Повторить</translation>
        </message>
        <message>
            <location filename="../../src/app/CurveCommands.cpp" line="203" />
            <source>Enter the potential shift</source>
            <translation>Введите сдвиг потенциала</translation>
        </message>
    </context>
    <context>
        <name>velmora::DeviceStatusPresenter</name>
        <message>
            <location filename="../../src/device/ui/DeviceStatusPresenter.cpp" line="24" />
            <source>The analyzer is the built-in emulator: every voltammogram recorded now is simulated and marked so.</source>
            <translation>Анализатор — встроенный эмулятор: каждая вольтамперограмма, записанная сейчас, смоделирована и помечена как смоделированная.</translation>
        </message>
        <message>
            <location filename="../../src/device/ui/DeviceStatusPresenter.cpp" line="47" />
            <source>EMULATOR - simulated data</source>
            <translation>ЭМУЛЯТОР - смоделированные данные</translation>
        </message>
    </context>
    <context>
        <name>velmora::ExportHost</name>
        <message>
            <location filename="../../src/app/ExportHost.cpp" line="45" />
            <source>&amp;Export &amp;&amp;import</source>
            <translation>&amp;Экспорт &amp;&amp; импорт</translation>
        </message>
        <message>
            <location filename="../../src/app/ExportHost.cpp" line="49" />
            <source>Portable network graphics (*.png)</source>
            <translation>Изображения PNG (*.png)</translation>
        </message>
        <message>
            <location filename="../../src/app/ExportHost.cpp" line="49" />
            <source>Scalable vector graphics (*.svg)</source>
            <translation>Векторная графика SVG (*.svg)</translation>
        </message>
        <message>
            <location filename="../../src/app/ExportHost.cpp" line="50" />
            <source>Portable document format (*.pdf)</source>
            <translation>Документы PDF (*.pdf)</translation>
        </message>
        <message>
            <location filename="../../src/app/ExportHost.cpp" line="50" />
            <source>Bitmaps (*.bmp)</source>
            <translation>Точечные рисунки BMP (*.bmp)</translation>
        </message>
        <message>
            <location filename="../../src/app/ExportHost.cpp" line="51" />
            <source>&amp;Export chart to file</source>
            <translation>&amp;Экспорт графика в файл</translation>
        </message>
    </context>
    <context>
        <name>velmora::ImportColumnsDialog</name>
        <message>
            <location filename="../../src/app/ImportColumnsDialog.cpp" line="33" />
            <source>Data import</source>
            <translation>Импорт данных</translation>
        </message>
        <message>
            <location filename="../../src/app/ImportColumnsDialog.cpp" line="35" />
            <source>"%1" holds %2 columns. Choose the potential and the current.</source>
            <translation>«%1» содержит столбцов: %2. Выберите потенциал и ток.</translation>
        </message>
        <message>
            <location filename="../../src/app/ImportColumnsDialog.cpp" line="66" />
            <source>Potential column</source>
            <translation>Столбец потенциала</translation>
        </message>
        <message>
            <location filename="../../src/app/ImportColumnsDialog.cpp" line="67" />
            <source>Current column</source>
            <translation>Столбец тока</translation>
        </message>
        <message>
            <location filename="../../src/app/ImportColumnsDialog.cpp" line="100" />
            <source>%1 is taken in mV</source>
            <translation>%1 принимается в мВ</translation>
        </message>
        <message>
            <location filename="../../src/app/ImportColumnsDialog.cpp" line="101" />
            <source>%1 is converted to mV (× %2)</source>
            <translation>%1 пересчитывается в мВ (× %2)</translation>
        </message>
        <message>
            <location filename="../../src/app/ImportColumnsDialog.cpp" line="103" />
            <source>%1 is taken in µA</source>
            <translation>%1 принимается в мкА</translation>
        </message>
        <message>
            <location filename="../../src/app/ImportColumnsDialog.cpp" line="104" />
            <source>%1 is converted to µA (× %2)</source>
            <translation>%1 пересчитывается в мкА (× %2)</translation>
        </message>
        <message>
            <location filename="../../src/app/ImportColumnsDialog.cpp" line="106" />
            <source>the current density in %1 is kept as it stands; the unit is noted on the curve</source>
            <translation>плотность тока в %1 сохраняется как есть; единица отмечается на кривой</translation>
        </message>
        <message>
            <location filename="../../src/app/ImportColumnsDialog.cpp" line="108" />
            <source>the unit %1 is not known: the numbers are taken as they stand</source>
            <translation>единица %1 неизвестна: числа берутся как есть</translation>
        </message>
        <message>
            <location filename="../../src/app/ImportColumnsDialog.cpp" line="112" />
            <source>no unit: the numbers are taken as mV</source>
            <translation>единица не указана: числа принимаются в мВ</translation>
        </message>
        <message>
            <location filename="../../src/app/ImportColumnsDialog.cpp" line="112" />
            <source>no unit: the numbers are taken as µA</source>
            <translation>единица не указана: числа принимаются в мкА</translation>
        </message>
        <message>
            <location filename="../../src/app/ImportColumnsDialog.cpp" line="120" />
            <source>Potential: %1.</source>
            <translation>Потенциал: %1.</translation>
        </message>
        <message>
            <location filename="../../src/app/ImportColumnsDialog.cpp" line="121" />
            <source>Current: %1.</source>
            <translation>Ток: %1.</translation>
        </message>
    </context>
    <context>
        <name>velmora::MainChartView</name>
        <message>
            <location filename="../../src/app/MainChartView.cpp" line="93" />
            <location filename="../../src/export/ui/CurveChart.cpp" line="22" />
            <location filename="../../src/methods/ui/TSubtractionForm.cpp" line="89" />
            <source>Potential, mV</source>
            <translation>Потенциал, мВ</translation>
        </message>
        <message>
            <location filename="../../src/app/MainChartView.cpp" line="94" />
            <location filename="../../src/export/ui/CurveChart.cpp" line="23" />
            <location filename="../../src/methods/ui/TSubtractionForm.cpp" line="90" />
            <source>Current, µA</source>
            <translation>Ток, мкА</translation>
        </message>
        <message>
            <location filename="../../src/app/MainChartView.cpp" line="95" />
            <source>Select a curve or a group on the left to show it here.</source>
            <translation>Выберите кривую или группу слева, чтобы показать ее здесь.</translation>
        </message>
    </context>
    <context>
        <name>velmora::MainWindow</name>
        <message>
            <location filename="../../src/app/MainWindow.cpp" line="65" />
            <source>&amp;File</source>
            <translation>&amp;Файл</translation>
        </message>
        <message>
            <location filename="../../src/app/MainWindow.cpp" line="65" />
            <source>&amp;Edit</source>
            <translation>&amp;Правка</translation>
        </message>
        <message>
            <location filename="../../src/app/MainWindow.cpp" line="66" />
            <source>&amp;View</source>
            <translation>&amp;Вид</translation>
        </message>
        <message>
            <location filename="../../src/app/MainWindow.cpp" line="66" />
            <source>&amp;Tools</source>
            <translation>С&amp;ервис</translation>
        </message>
        <message>
            <location filename="../../src/app/MainWindow.cpp" line="67" />
            <source>&amp;Device</source>
            <translation>Пр&amp;ибор</translation>
        </message>
        <message>
            <location filename="../../src/app/MainWindow.cpp" line="67" />
            <source>&amp;Calculations</source>
            <translation>&amp;Расчеты</translation>
        </message>
        <message>
            <location filename="../../src/app/MainWindow.cpp" line="68" />
            <source>&amp;Methods</source>
            <translation>&amp;Методики</translation>
        </message>
        <message>
            <location filename="../../src/app/MainWindow.cpp" line="68" />
            <source>&amp;Help</source>
            <translation>&amp;Справка</translation>
        </message>
        <message>
            <location filename="../../src/app/MainWindow.cpp" line="455" />
            <source>Series %1</source>
            <translation>Серия %1</translation>
        </message>
        <message>
            <location filename="../../src/app/MainWindow.cpp" line="456" />
            <source>Select visible data series for summ and overlay calculation type.</source>
            <translation>Выбор видимых серий данных для расчета суммы и наложения.</translation>
        </message>
        <message>
            <location filename="../../src/app/MainWindow.cpp" line="481" />
            <source>Tool bar</source>
            <translation>Панель инструментов</translation>
        </message>
        <message>
            <location filename="../../src/app/MainWindow.cpp" line="482" />
            <source>Structure</source>
            <translation>Структура</translation>
        </message>
        <message>
            <location filename="../../src/app/MainWindow.cpp" line="483" />
            <source>Thumbnails</source>
            <translation>Миниатюры</translation>
        </message>
        <message>
            <location filename="../../src/app/MainWindow.cpp" line="484" />
            <source>Peaks</source>
            <translation>Пики</translation>
        </message>
        <message>
            <location filename="../../src/app/MainWindow.cpp" line="549" />
            <source>The document has unsaved changes that will be lost. Continue?</source>
            <translation>В документе есть несохраненные изменения, они будут потеряны. Продолжить?</translation>
        </message>
        <message>
            <location filename="../../src/app/MainWindow.cpp" line="795" />
            <source>Rename</source>
            <translation>Переименовать</translation>
        </message>
        <message>
            <location filename="../../src/app/MainWindow.cpp" line="923" />
            <source>About...</source>
            <translation>О программе...</translation>
        </message>
        <message>
            <location filename="../../src/app/MainWindow.cpp" line="924" />
            <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Workstation software of the stripping-voltammetry analyzer.&lt;br&gt;Version %2</source>
            <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Программа рабочей станции анализатора для инверсионной вольтамперометрии.&lt;br&gt;Версия %2</translation>
        </message>
    </context>
    <context>
        <name>velmora::OptionsPortsPage</name>
        <message>
            <location filename="../../src/services/ui/OptionsPortsPage.cpp" line="151" />
            <source>&amp;Yes</source>
            <translation>&amp;Да</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsPortsPage.cpp" line="151" />
            <source>&amp;No</source>
            <translation>&amp;Нет</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/OptionsPortsPage.cpp" line="177" />
            <source>Testing...</source>
            <translation>Проверка...</translation>
        </message>
    </context>
    <context>
        <name>velmora::PropertiesWindow</name>
        <message>
            <location filename="../../src/app/PropertiesWindow.cpp" line="55" />
            <source>Properties</source>
            <translation>Свойства</translation>
        </message>
    </context>
    <context>
        <name>velmora::RecordingReceiver</name>
        <message>
            <location filename="../../src/app/RecordingReceiver.cpp" line="461" />
            <source>Activation (%1) %2 left</source>
            <translation>Активация (%1), осталось %2</translation>
        </message>
        <message>
            <location filename="../../src/app/RecordingReceiver.cpp" line="462" />
            <source>%1 V=%2 (%3) %4 left</source>
            <translation>%1 U=%2 (%3), осталось %4</translation>
        </message>
        <message>
            <location filename="../../src/app/RecordingReceiver.cpp" line="467" />
            <source>%1 (%2) %3 left</source>
            <translation>%1 (%2), осталось %3</translation>
        </message>
    </context>
    <context>
        <name>velmora::SamplerHost</name>
        <message>
            <location filename="../../src/app/SamplerHost.cpp" line="186" />
            <source>Cell: %1</source>
            <translation>Ячейка: %1</translation>
        </message>
    </context>
    <context>
        <name>velmora::StartPanel</name>
        <message>
            <location filename="../../src/app/StartPanel.cpp" line="135" />
            <source>Velmora-VA</source>
            <translation>Velmora-VA</translation>
        </message>
        <message>
            <location filename="../../src/app/StartPanel.cpp" line="136" />
            <source>Stripping-voltammetry workstation, version %1</source>
            <translation>Рабочая станция инверсионной вольтамперометрии, версия %1</translation>
        </message>
        <message>
            <location filename="../../src/app/StartPanel.cpp" line="137" />
            <source>Start</source>
            <translation>Начало работы</translation>
        </message>
        <message>
            <location filename="../../src/app/StartPanel.cpp" line="138" />
            <source>Recent documents</source>
            <translation>Последние документы</translation>
        </message>
        <message>
            <location filename="../../src/app/StartPanel.cpp" line="139" />
            <source>Examples</source>
            <translation>Примеры</translation>
        </message>
        <message>
            <location filename="../../src/app/StartPanel.cpp" line="140" />
            <source>Open a document...</source>
            <translation>Открыть документ...</translation>
        </message>
        <message>
            <location filename="../../src/app/StartPanel.cpp" line="141" />
            <source>A document (.tvx) or a folder database (.mbd)</source>
            <translation>Документ (.tvx) или папка базы данных (.mbd)</translation>
        </message>
        <message>
            <location filename="../../src/app/StartPanel.cpp" line="142" />
            <source>Record a first voltammogram</source>
            <translation>Записать первую вольтамперограмму</translation>
        </message>
        <message>
            <location filename="../../src/app/StartPanel.cpp" line="144" />
            <source>From the built-in analyzer emulator, without an instrument</source>
            <translation>Со встроенного эмулятора анализатора, без прибора</translation>
        </message>
        <message>
            <location filename="../../src/app/StartPanel.cpp" line="146" />
            <source>The emulator simulates the analyzer: its curves are simulated data, not measurements, and are marked "[EMULATOR - simulated]". Recording from it sets the port in Settings, "Ports" to "emulator" after you agree.</source>
            <translation>Эмулятор моделирует анализатор: его кривые — смоделированные данные, а не измерения, и помечаются «[EMULATOR - simulated]». Запись с эмулятора после вашего согласия выберет порт «emulator» в настройках, на странице «Порты».</translation>
        </message>
        <message>
            <location filename="../../src/app/StartPanel.cpp" line="173" />
            <source>No documents opened yet.</source>
            <translation>Документы еще не открывались.</translation>
        </message>
        <message>
            <location filename="../../src/app/StartPanel.cpp" line="203" />
            <source>Simulated voltammograms recorded from the analyzer emulator</source>
            <translation>Смоделированные вольтамперограммы, записанные с эмулятора анализатора</translation>
        </message>
    </context>
    <context>
        <name>velmora::TAssemblyForm</name>
        <message>
            <location filename="../../src/services/ui/TAssemblyForm.cpp" line="31" />
            <source>Assembling the Analyzer </source>
            <translation>Сборка анализатора </translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TAssemblyForm.cpp" line="33" />
            <source>RDE + Analyzer</source>
            <translation>ВДЭ + анализатор</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TAssemblyForm.cpp" line="34" />
            <source>Autosampler + Analyzer</source>
            <translation>Автосамплер + анализатор</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TAssemblyForm.cpp" line="36" />
            <source>Stirrer + Analyzer</source>
            <translation>Мешалка + анализатор</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TAssemblyForm.cpp" line="169" />
            <location filename="../../src/services/ui/TAssemblyForm.cpp" line="232" />
            <source>Next</source>
            <translation>Далее</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TAssemblyForm.cpp" line="169" />
            <source>Close</source>
            <translation>Закрыть</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TAssemblyForm.cpp" line="222" />
            <source>Assembly assistant</source>
            <translation>Помощник сборки</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TAssemblyForm.cpp" line="223" />
            <source>Choose what to assemble:</source>
            <translation>Выберите, что собрать:</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TAssemblyForm.cpp" line="225" />
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TAssemblyForm.cpp" line="226" />
            <source>Help</source>
            <translation>Справка</translation>
        </message>
    </context>
    <context>
        <name>velmora::TAutoSampler</name>
        <message>
            <location filename="../../src/acquisition/ui/TAutoSampler.cpp" line="199" />
            <source>Select cell draging mouse over it.</source>
            <translation>Выберите ячейку, проведя над ней мышью.</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TAutoSampler.cpp" line="210" />
            <source>Cell %1</source>
            <translation>Ячейка %1</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TAutoSampler.cpp" line="249" />
            <source>Incompatible by supporting electrolyte methods were automatically unchecked</source>
            <translation>Методики, несовместимые по фоновому электролиту, автоматически отключены</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TAutoSampler.cpp" line="255" />
            <source>Cell type</source>
            <translation>Тип ячейки</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TAutoSampler.cpp" line="256" />
            <source>Sample</source>
            <translation>Проба</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TAutoSampler.cpp" line="257" />
            <source>Comments</source>
            <translation>Комментарии</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TAutoSampler.cpp" line="258" />
            <source>Enter comments here</source>
            <translation>Введите комментарии</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TAutoSampler.cpp" line="259" />
            <source>Methods:</source>
            <translation>Методики:</translation>
        </message>
    </context>
    <context>
        <name>velmora::TCalcForm</name>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="58" />
            <source>Cleaning potential, mV</source>
            <translation>Потенциал очистки, мВ</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="59" />
            <source>Cleaning time, s</source>
            <translation>Время очистки, с</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="60" />
            <source>Preparation 1 potential, mV</source>
            <translation>Потенциал подготовки 1, мВ</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="61" />
            <source>Preparation 1 time, s</source>
            <translation>Время подготовки 1, с</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="62" />
            <source>Preparation 2 potential, mV</source>
            <translation>Потенциал подготовки 2, мВ</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="63" />
            <source>Preparation 2 time, s</source>
            <translation>Время подготовки 2, с</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="64" />
            <source>Electrolysis potential, mV</source>
            <translation>Потенциал электролиза, мВ</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="65" />
            <source>Electrolysis time, s</source>
            <translation>Время электролиза, с</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="66" />
            <source>Delay after mixing, s</source>
            <translation>Задержка после перемешивания, с</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="67" />
            <source>Modulation amplitude, mV</source>
            <translation>Амплитуда модуляции, мВ</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="68" />
            <source>Modulation Frequency, Hz</source>
            <translation>Частота модуляции, Гц</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="269" />
            <source>Calculations</source>
            <translation>Расчеты</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="270" />
            <source>Single calculation</source>
            <translation>Одиночный расчет</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="271" />
            <source>Report</source>
            <translation>Отчет</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="272" />
            <source>The report is empty.</source>
            <translation>Отчет пуст.</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="273" />
            <source>Select data in main window list and choose the calculation method</source>
            <translation>Выберите данные в списке главного окна и метод расчета</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="274" />
            <source>Property</source>
            <translation>Свойство</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="274" />
            <source>Value</source>
            <translation>Значение</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="276" />
            <source>Erroneous input is marked by the red frame</source>
            <translation>Ошибочный ввод выделен красной рамкой</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="545" />
            <source>Measurment type</source>
            <translation>Тип измерения</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="554" />
            <source>C(Add),</source>
            <translation>C(доб),</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="556" />
            <source>In cell (C_x_),</source>
            <translation>В ячейке (C_x_),</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="560" />
            <source>Result in cell (C_x_), %1/%2</source>
            <translation>Результат в ячейке (C_x_), %1/%2</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="562" />
            <source>In sample (X),</source>
            <translation>В пробе (X),</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="574" />
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="579" />
            <source>Sweep rate</source>
            <translation>Скорость развертки</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="575" />
            <source>Stirrer frequency</source>
            <translation>Частота мешалки</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="579" />
            <source>Angular frequency</source>
            <translation>Угловая частота</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcForm.cpp" line="635" />
            <source>%1 '%2'</source>
            <translation>%1 «%2»</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcFormEdits.cpp" line="599" />
            <source>Enter the name, please...</source>
            <translation>Введите название...</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalcFormEdits.cpp" line="607" />
            <source>Enter another name</source>
            <translation>Введите другое название</translation>
        </message>
    </context>
    <context>
        <name>velmora::TCalcGrid</name>
        <message>
            <location filename="../../src/quant/ui/TCalcGrid.cpp" line="203" />
            <source>Drag this fill handle to copy peaks borders</source>
            <translation>Перетащите этот маркер, чтобы скопировать границы пиков</translation>
        </message>
    </context>
    <context>
        <name>velmora::TCalibrForm</name>
        <message>
            <location filename="../../src/quant/ui/TCalibrForm.cpp" line="119" />
            <source>Calibrations</source>
            <translation>Градуировки</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalibrForm.cpp" line="120" />
            <source>Elements</source>
            <translation>Элементы</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalibrForm.cpp" line="121" />
            <source>Calibrations by date</source>
            <translation>Градуировки по датам</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalibrForm.cpp" line="122" />
            <source>Set active</source>
            <translation>Сделать активной</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalibrForm.cpp" line="123" />
            <source>Remove</source>
            <translation>Удалить</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalibrForm.cpp" line="124" />
            <source>Remove calibration</source>
            <translation>Удалить градуировку</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalibrForm.cpp" line="125" />
            <source>Concentration, [mg/dm3]</source>
            <translation>Концентрация, [мг/дм3]</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalibrForm.cpp" line="126" />
            <source>Signal</source>
            <translation>Сигнал</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TCalibrForm.cpp" line="247" />
            <source>s(y/x)=%1  LOD=%2  LOQ=%3 mg/dm3  (n=%4)</source>
            <translation>s(y/x)=%1  ПО=%2  ПКО=%3 мг/дм3  (n=%4)</translation>
        </message>
    </context>
    <context>
        <name>velmora::TEquationEditor</name>
        <message>
            <location filename="../../src/methods/ui/TEquationEditor.cpp" line="171" />
            <source>Equation editor</source>
            <translation>Редактор формул</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TEquationEditor.cpp" line="172" />
            <source>Save</source>
            <translation>Сохранить</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TEquationEditor.cpp" line="173" />
            <source>Remove</source>
            <translation>Удалить</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TEquationEditor.cpp" line="174" />
            <source>Calculation methods</source>
            <translation>Методы расчета</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TEquationEditor.cpp" line="175" />
            <source>Title</source>
            <translation>Название</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TEquationEditor.cpp" line="176" />
            <source>Type equation using internal and custom variables </source>
            <translation>Введите формулу, используя встроенные и пользовательские переменные </translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TEquationEditor.cpp" line="177" />
            <source>X =</source>
            <translation>X =</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TEquationEditor.cpp" line="178" />
            <source>Error messages</source>
            <translation>Сообщения об ошибках</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TEquationEditor.cpp" line="179" />
            <source>Variables</source>
            <translation>Переменные</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TEquationEditor.cpp" line="180" />
            <source>Add variable</source>
            <translation>Добавить переменную</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TEquationEditor.cpp" line="181" />
            <source>Remove variable</source>
            <translation>Удалить переменную</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TEquationEditor.cpp" line="182" />
            <source>Check</source>
            <translation>Проверить</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TEquationEditor.cpp" line="183" />
            <source>Name</source>
            <translation>Имя</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TEquationEditor.cpp" line="183" />
            <source>Comments</source>
            <translation>Комментарии</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TEquationEditor.cpp" line="183" />
            <source>Default value</source>
            <translation>Значение по умолчанию</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TEquationEditor.cpp" line="241" />
            <source>%1 '%2'</source>
            <translation>%1 «%2»</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TEquationEditor.cpp" line="243" />
            <location filename="../../src/methods/ui/TEquationEditor.cpp" line="245" />
            <source>Result: </source>
            <translation>Результат: </translation>
        </message>
    </context>
    <context>
        <name>velmora::TMethodEditForm</name>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="139" />
            <source>New</source>
            <translation>Создать</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="140" />
            <source>Open</source>
            <translation>Открыть</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="141" />
            <source>Save</source>
            <translation>Сохранить</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="142" />
            <source>Generate script</source>
            <translation>Создать сценарий</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="143" />
            <source>Edit script</source>
            <translation>Изменить сценарий</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="144" />
            <source>General</source>
            <translation>Общие</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="145" />
            <source>Program file path</source>
            <translation>Путь к файлу программ</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="146" />
            <source>Edit VA program</source>
            <translation>Изменить ВА-программу</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="147" />
            <source>Hide unused controls</source>
            <translation>Скрывать неиспользуемые элементы</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="148" />
            <source>Calculation method</source>
            <translation>Метод расчета</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="149" />
            <source>Equation editor...</source>
            <translation>Редактор формул...</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="150" />
            <source>Statistics</source>
            <translation>Статистика</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="151" />
            <source>Supporting electrolyte</source>
            <translation>Фоновый электролит</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="152" />
            <source>Languages</source>
            <translation>Языки</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="153" />
            <source>Add</source>
            <translation>Добавить</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="154" />
            <source>Localized options</source>
            <translation>Локализованные параметры</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="155" />
            <source>Sub menu</source>
            <translation>Подменю</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="156" />
            <source>Title</source>
            <translation>Название</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="157" />
            <source>Method name</source>
            <translation>Название методики</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="158" />
            <source>Step comments</source>
            <translation>Комментарии к шагам</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="159" />
            <source>Autosampler cells</source>
            <translation>Ячейки автосамплера</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="160" />
            <source>Original</source>
            <translation>Оригинал</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="160" />
            <source>Translation</source>
            <translation>Перевод</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="161" />
            <source>Remove step</source>
            <translation>Удалить шаг</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="162" />
            <source>Cell</source>
            <translation>Ячейка</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="162" />
            <source>Type</source>
            <translation>Тип</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/MethodEditWidgets.cpp" line="162" />
            <source>Description</source>
            <translation>Описание</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TMethodEditForm.cpp" line="356" />
            <source>Custom</source>
            <translation>Пользовательская</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TMethodEditForm.cpp" line="417" />
            <source>New method...</source>
            <translation>Новая методика...</translation>
        </message>
    </context>
    <context>
        <name>velmora::TMethodScriptEditor</name>
        <message>
            <location filename="../../src/methods/ui/TMethodScriptEditor.cpp" line="116" />
            <source>Method script editor</source>
            <translation>Редактор сценария методики</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TMethodScriptEditor.cpp" line="117" />
            <source>Analysis stages</source>
            <translation>Этапы анализа</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TMethodScriptEditor.cpp" line="122" />
            <source>New script</source>
            <translation>Новый сценарий</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TMethodScriptEditor.cpp" line="123" />
            <source>Open script</source>
            <translation>Открыть сценарий</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TMethodScriptEditor.cpp" line="124" />
            <source>Save script</source>
            <translation>Сохранить сценарий</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TMethodScriptEditor.cpp" line="125" />
            <source>Move up</source>
            <translation>Вверх</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TMethodScriptEditor.cpp" line="126" />
            <source>Move down</source>
            <translation>Вниз</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TMethodScriptEditor.cpp" line="127" />
            <source>Remove stage</source>
            <translation>Удалить этап</translation>
        </message>
    </context>
    <context>
        <name>velmora::TMethodStatForm</name>
        <message>
            <location filename="../../src/quant/ui/TMethodStatForm.cpp" line="183" />
            <source>Statistics</source>
            <translation>Статистика</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TMethodStatForm.cpp" line="184" />
            <source>Methods</source>
            <translation>Методики</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TMethodStatForm.cpp" line="185" />
            <source>New</source>
            <translation>Создать</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TMethodStatForm.cpp" line="186" />
            <source>Save</source>
            <translation>Сохранить</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TMethodStatForm.cpp" line="187" />
            <location filename="../../src/quant/ui/TMethodStatForm.cpp" line="194" />
            <source>Remove</source>
            <translation>Удалить</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TMethodStatForm.cpp" line="188" />
            <source>Update methods stat</source>
            <translation>Обновить статистику методик</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TMethodStatForm.cpp" line="189" />
            <source>Method name</source>
            <translation>Название методики</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TMethodStatForm.cpp" line="190" />
            <source>Representation</source>
            <translation>Представление</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TMethodStatForm.cpp" line="191" />
            <source>Cell concentration</source>
            <translation>Концентрация в ячейке</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TMethodStatForm.cpp" line="192" />
            <source>Elements in method</source>
            <translation>Элементы методики</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TMethodStatForm.cpp" line="193" />
            <source>New Element</source>
            <translation>Новый элемент</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TMethodStatForm.cpp" line="195" />
            <source>Element statistics</source>
            <translation>Статистика элемента</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TMethodStatForm.cpp" line="196" />
            <source>New range</source>
            <translation>Новый диапазон</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TMethodStatForm.cpp" line="197" />
            <source>Remove range</source>
            <translation>Удалить диапазон</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TMethodStatForm.cpp" line="277" />
            <source>Lower bound, %1</source>
            <translation>Нижняя граница, %1</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TMethodStatForm.cpp" line="277" />
            <source>Upper bound, %1</source>
            <translation>Верхняя граница, %1</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TMethodStatForm.cpp" line="278" />
            <source>Reproducibility/X_med_</source>
            <translation>Воспроизводимость/X_ср_</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TMethodStatForm.cpp" line="278" />
            <source>Critical difference/X_med_</source>
            <translation>Критическая разность/X_ср_</translation>
        </message>
    </context>
    <context>
        <name>velmora::TOldStyleRecordForm</name>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="410" />
            <source>Electrode down</source>
            <translation>Электрод вниз</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="411" />
            <source>Electrode up</source>
            <translation>Электрод вверх</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="412" />
            <source>Autosampler cell number</source>
            <translation>Номер ячейки автосамплера</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="413" />
            <source>Table</source>
            <translation>Таблица</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="414" />
            <source>Show or hide the program table</source>
            <translation>Показать или скрыть таблицу программ</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="415" />
            <source>Compact view</source>
            <translation>Компактный вид</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="416" />
            <source>Show only the groups the current step uses</source>
            <translation>Показывать только группы, используемые текущим шагом</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="418" />
            <source>Program</source>
            <translation>Программа</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="419" />
            <source>Number of programs</source>
            <translation>Число программ</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="420" />
            <source>Current program</source>
            <translation>Текущая программа</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="421" />
            <source>Program to copy</source>
            <translation>Копируемая программа</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="422" />
            <source>Program length</source>
            <translation>Длина программы</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="423" />
            <source>Current step</source>
            <translation>Текущий шаг</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="424" />
            <source>Step to copy</source>
            <translation>Копируемый шаг</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="425" />
            <source>Copy program</source>
            <translation>Копировать программу</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="426" />
            <source>Copy step</source>
            <translation>Копировать шаг</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="427" />
            <source>Insert before current step</source>
            <translation>Вставить перед текущим шагом</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="428" />
            <source>Remove current step</source>
            <translation>Удалить текущий шаг</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="429" />
            <source>Open...</source>
            <translation>Открыть...</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="430" />
            <source>Open a program file</source>
            <translation>Открыть файл программ</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="431" />
            <source>Save...</source>
            <translation>Сохранить...</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="432" />
            <source>Save the programs to a file</source>
            <translation>Сохранить программы в файл</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="433" />
            <source>Show/hide table</source>
            <translation>Показать/скрыть таблицу</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="435" />
            <source>Run</source>
            <translation>Выполнение</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="436" />
            <source>Loops count</source>
            <translation>Число повторов</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="437" />
            <source>Current restiction</source>
            <translation>Ограничение тока</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="438" />
            <source>µA</source>
            <translation>мкА</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="439" />
            <source>Shut down</source>
            <translation>Выключение</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="440" />
            <source>Shut down computer after program execution</source>
            <translation>Выключить компьютер после выполнения программы</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="441" />
            <source>Current control</source>
            <translation>Контроль тока</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="443" />
            <source>Potentials and times</source>
            <translation>Потенциалы и время</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="444" />
            <source>Cleaning voltage</source>
            <translation>Потенциал очистки</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="445" />
            <source>Cleaning time</source>
            <translation>Время очистки</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="446" />
            <source>Preparation 1 voltage</source>
            <translation>Потенциал подготовки 1</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="447" />
            <source>Preparation 1 time</source>
            <translation>Время подготовки 1</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="448" />
            <source>Preparation 2 voltage</source>
            <translation>Потенциал подготовки 2</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="449" />
            <source>Preparation 2 time</source>
            <translation>Время подготовки 2</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="450" />
            <source>Electrolysis voltage</source>
            <translation>Потенциал электролиза</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="451" />
            <source>Electrolysis time</source>
            <translation>Время электролиза</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="455" />
            <source>Sweep</source>
            <translation>Развертка</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="456" />
            <source>Range</source>
            <translation>Диапазон</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="457" />
            <source>ADC working range</source>
            <translation>Рабочий диапазон АЦП</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="461" />
            <source>Conjunction type</source>
            <translation>Схема подключения</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="462" />
            <source>Voltammetry cell type</source>
            <translation>Тип вольтамперометрической ячейки</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="465" />
            <source>Measurment type</source>
            <translation>Тип измерения</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="470" />
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="471" />
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="474" />
            <source>Mixer</source>
            <translation>Мешалка</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="472" />
            <source>Mixer timeout before measurement start</source>
            <translation>Пауза перед началом измерения после перемешивания</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="473" />
            <source>Mixer mode</source>
            <translation>Режим мешалки</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="474" />
            <source>Regulated mixer</source>
            <translation>Регулируемая мешалка</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="474" />
            <source>Regulated electrode</source>
            <translation>Регулируемый электрод</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="474" />
            <source>Rotating electrode</source>
            <translation>Вращающийся электрод</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="475" />
            <source>Rotation speed (rpm)</source>
            <translation>Скорость вращения (об/мин)</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="477" />
            <source>Retention</source>
            <translation>Удержание</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="478" />
            <source>Retention, mV</source>
            <translation>Удержание, мВ</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="479" />
            <source>Retention potential</source>
            <translation>Потенциал удержания</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="481" />
            <source>Modulation on/off</source>
            <translation>Модуляция вкл./выкл.</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="482" />
            <source>Modulation amplitude</source>
            <translation>Амплитуда модуляции</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="483" />
            <source>Modulation frequency</source>
            <translation>Частота модуляции</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="485" />
            <source>Cycle</source>
            <translation>Цикл</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="486" />
            <source>Cycle on/off</source>
            <translation>Цикл вкл./выкл.</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="487" />
            <source>Number of cycles to record</source>
            <translation>Число записываемых циклов</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="488" />
            <source>Number of cycles to skip</source>
            <translation>Число пропускаемых циклов</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="489" />
            <source>Cycle type</source>
            <translation>Тип цикла</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="490" />
            <source>Half</source>
            <translation>Полуцикл</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="490" />
            <source>Full</source>
            <translation>Полный цикл</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="492" />
            <source>Time</source>
            <translation>Время</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="493" />
            <source>Set measurement type vs time</source>
            <translation>Измерение во времени</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="495" />
            <source>Activation</source>
            <translation>Активация</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="495" />
            <source>Impuls(t)</source>
            <translation>Импульс(t)</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="497" />
            <source>Measurement comments</source>
            <translation>Комментарии к измерению</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="498" />
            <source>Autosampler</source>
            <translation>Автосамплер</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="499" />
            <source>Cell number</source>
            <translation>Номер ячейки</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="500" />
            <source>Set electrode down</source>
            <translation>Опустить электрод</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="501" />
            <source>Set electrode up</source>
            <translation>Поднять электрод</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="503" />
            <source>Input</source>
            <translation>Вход</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="504" />
            <source>Compensation</source>
            <translation>Компенсация</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/RecordFormWidgets.cpp" line="505" />
            <source>Input filter</source>
            <translation>Входной фильтр</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TOldStyleRecordForm.cpp" line="525" />
            <source>Record parameters</source>
            <translation>Параметры записи</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TOldStyleRecordForm.cpp" line="528" />
            <source>Custom</source>
            <translation>Пользовательские</translation>
        </message>
    </context>
    <context>
        <name>velmora::TOptionsForm</name>
        <message>
            <location filename="../../src/services/ui/TOptionsForm.cpp" line="233" />
            <source>Options</source>
            <translation>Настройки</translation>
        </message>
    </context>
    <context>
        <name>velmora::TPar_Tbl</name>
        <message>
            <location filename="../../src/acquisition/ui/TPar_Tbl.cpp" line="16" />
            <source>Prog/Step</source>
            <translation>Прог/Шаг</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TPar_Tbl.cpp" line="16" />
            <source>Clean/t</source>
            <translation>Очистка/t</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TPar_Tbl.cpp" line="17" />
            <source>Electrolysis/t</source>
            <translation>Электролиз/t</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TPar_Tbl.cpp" line="17" />
            <source>Rate</source>
            <translation>Скорость</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TPar_Tbl.cpp" line="18" />
            <source>Start</source>
            <translation>Начало</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TPar_Tbl.cpp" line="18" />
            <source>End</source>
            <translation>Конец</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TPar_Tbl.cpp" line="19" />
            <source>Range</source>
            <translation>Диапазон</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TPar_Tbl.cpp" line="19" />
            <source>Conjunction</source>
            <translation>Подключение</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TPar_Tbl.cpp" line="20" />
            <source>Modulation u/f</source>
            <translation>Модуляция u/f</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TPar_Tbl.cpp" line="20" />
            <source>Stirrer</source>
            <translation>Мешалка</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TPar_Tbl.cpp" line="21" />
            <source>Retention, mV</source>
            <translation>Удержание, мВ</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TPar_Tbl.cpp" line="21" />
            <source>Type</source>
            <translation>Тип</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TPar_Tbl.cpp" line="22" />
            <source>Cell</source>
            <translation>Ячейка</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TPar_Tbl.cpp" line="22" />
            <source>Cycle</source>
            <translation>Цикл</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TPar_Tbl.cpp" line="23" />
            <source>Prep 1/t</source>
            <translation>Подг 1/t</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TPar_Tbl.cpp" line="23" />
            <source>Prep 2/t</source>
            <translation>Подг 2/t</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TPar_Tbl.cpp" line="88" />
            <source>Program</source>
            <translation>Программа</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TPar_Tbl.cpp" line="89" />
            <source>Sort by programs</source>
            <translation>Сортировать по программам</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TPar_Tbl.cpp" line="89" />
            <source>Sort by steps</source>
            <translation>Сортировать по шагам</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TPar_Tbl.cpp" line="90" />
            <source>Right mouse button: change the order. Double click: edit the step.</source>
            <translation>Правая кнопка мыши: изменить порядок. Двойной щелчок: изменить шаг.</translation>
        </message>
    </context>
    <context>
        <name>velmora::TPeakMarking</name>
        <message>
            <location filename="../../src/quant/ui/TPeakMarking.cpp" line="46" />
            <source>Enter the name, please...</source>
            <translation>Введите название...</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TPeakMarking.cpp" line="198" />
            <location filename="../../src/quant/ui/TPeaksController.cpp" line="298" />
            <source>Enter another name</source>
            <translation>Введите другое название</translation>
        </message>
    </context>
    <context>
        <name>velmora::TPeaksController</name>
        <message>
            <location filename="../../src/quant/ui/TPeaksController.cpp" line="331" />
            <source>Enter peak potential</source>
            <translation>Введите потенциал пика</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TPeaksController.cpp" line="344" />
            <source>Rename peak</source>
            <translation>Переименовать пик</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TPeaksController.cpp" line="362" />
            <source>Set peak potential</source>
            <translation>Задать потенциал пика</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TPeaksController.cpp" line="364" />
            <source>Remove peak</source>
            <translation>Удалить пик</translation>
        </message>
    </context>
    <context>
        <name>velmora::TPeaksSelectionForm</name>
        <message>
            <location filename="../../src/quant/ui/TPeaksSelectionForm.cpp" line="110" />
            <location filename="../../src/quant/ui/TPeaksSelectionForm.cpp" line="115" />
            <source>Peaks</source>
            <translation>Пики</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TPeaksSelectionForm.cpp" line="111" />
            <source>Curves</source>
            <translation>Кривые</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TPeaksSelectionForm.cpp" line="112" />
            <source>Select All</source>
            <translation>Выбрать все</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TPeaksSelectionForm.cpp" line="113" />
            <source>Peak</source>
            <translation>Пик</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TPeaksSelectionForm.cpp" line="113" />
            <source>Value</source>
            <translation>Значение</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TPeaksSelectionForm.cpp" line="113" />
            <source>Begin</source>
            <translation>Начало</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TPeaksSelectionForm.cpp" line="113" />
            <source>End</source>
            <translation>Конец</translation>
        </message>
    </context>
    <context>
        <name>velmora::TPrintOptionsBox</name>
        <message>
            <location filename="../../src/reports/ui/TPrintOptionsBox.cpp" line="23" />
            <source>Report</source>
            <translation>Отчет</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TPrintOptionsBox.cpp" line="28" />
            <source>Calculation chart</source>
            <translation>График расчета</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TPrintOptionsBox.cpp" line="31" />
            <source>Diagram</source>
            <translation>Диаграмма</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TPrintOptionsBox.cpp" line="35" />
            <source>Initial data table</source>
            <translation>Таблица исходных данных</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TPrintOptionsBox.cpp" line="36" />
            <source>Bottom axis</source>
            <translation>Нижняя ось</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TPrintOptionsBox.cpp" line="37" />
            <source>Left axis</source>
            <translation>Левая ось</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TPrintOptionsBox.cpp" line="38" />
            <source>Grid</source>
            <translation>Сетка</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TPrintOptionsBox.cpp" line="39" />
            <source>Database numbers</source>
            <translation>Номера в базе данных</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TPrintOptionsBox.cpp" line="40" />
            <source>Comments</source>
            <translation>Комментарии</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TPrintOptionsBox.cpp" line="41" />
            <source>Legend</source>
            <translation>Легенда</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TPrintOptionsBox.cpp" line="42" />
            <source>Record parameters</source>
            <translation>Параметры записи</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TPrintOptionsBox.cpp" line="43" />
            <source>Peaks</source>
            <translation>Пики</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TPrintOptionsBox.cpp" line="46" />
            <source>Results table</source>
            <translation>Таблица результатов</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TPrintOptionsBox.cpp" line="47" />
            <source>Measurement type</source>
            <translation>Тип измерения</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TPrintOptionsBox.cpp" line="48" />
            <source>Result calculation data </source>
            <translation>Данные расчета результата </translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TPrintOptionsBox.cpp" line="49" />
            <source>Notes</source>
            <translation>Примечания</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TPrintOptionsBox.cpp" line="50" />
            <source>Equation</source>
            <translation>Формула</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TPrintOptionsBox.cpp" line="59" />
            <source>Scales</source>
            <translation>Масштабы</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TPrintOptionsBox.cpp" line="72" />
            <source>Auto</source>
            <translation>Авто</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TPrintOptionsBox.cpp" line="98" />
            <source> mm</source>
            <translation> мм</translation>
        </message>
    </context>
    <context>
        <name>velmora::TRepForm</name>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="50" />
            <source>Print</source>
            <translation>Печать</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="59" />
            <source>PDF file</source>
            <translation>Файл PDF</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="62" />
            <source>Printer</source>
            <translation>Принтер</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="66" />
            <source>Name:</source>
            <translation>Имя:</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="69" />
            <source>Status:</source>
            <translation>Состояние:</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="70" />
            <source>Properties</source>
            <translation>Свойства</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="76" />
            <source>Font:</source>
            <translation>Шрифт:</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="82" />
            <source>Size:</source>
            <translation>Размер:</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="84" />
            <source>Number of copies</source>
            <translation>Число копий</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="86" />
            <source>Fields, mm</source>
            <translation>Поля, мм</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="92" />
            <source>Top:</source>
            <translation>Верхнее:</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="93" />
            <source>Left:</source>
            <translation>Левое:</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="94" />
            <source>Bottom:</source>
            <translation>Нижнее:</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="95" />
            <source>Right:</source>
            <translation>Правое:</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="97" />
            <source>Print out</source>
            <translation>Печатать</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="99" />
            <source>Current chart</source>
            <translation>Текущий график</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="112" />
            <source>Preview</source>
            <translation>Предварительный просмотр</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="197" />
            <location filename="../../src/reports/ui/TRepForm.cpp" line="320" />
            <source>Printing</source>
            <translation>Печать</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="197" />
            <location filename="../../src/reports/ui/TRepForm.cpp" line="324" />
            <source>Ready</source>
            <translation>Готово</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="299" />
            <source>Page %1 of %2</source>
            <translation>Страница %1 из %2</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="307" />
            <source>Print to PDF</source>
            <translation>Печать в PDF</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepForm.cpp" line="307" />
            <source>PDF files (*.pdf)</source>
            <translation>Файлы PDF (*.pdf)</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepFormCalibration.cpp" line="38" />
            <source>Black &amp;&amp; White</source>
            <translation>Черный &amp;&amp; белый</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepFormCalibration.cpp" line="43" />
            <source>Calibration</source>
            <translation>Градуировка</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TRepFormReport.cpp" line="22" />
            <source>Report</source>
            <translation>Отчет</translation>
        </message>
    </context>
    <context>
        <name>velmora::TReportOptionsBox</name>
        <message>
            <location filename="../../src/reports/ui/TReportOptionsBox.cpp" line="22" />
            <source>Report</source>
            <translation>Отчет</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportOptionsBox.cpp" line="35" />
            <source>Calculation chart</source>
            <translation>График расчета</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportOptionsBox.cpp" line="38" />
            <source>Diagram</source>
            <translation>Диаграмма</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportOptionsBox.cpp" line="42" />
            <source>Results table</source>
            <translation>Таблица результатов</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportOptionsBox.cpp" line="43" />
            <source>Initial data table</source>
            <translation>Таблица исходных данных</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportOptionsBox.cpp" line="44" />
            <source>Bottom axis</source>
            <translation>Нижняя ось</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportOptionsBox.cpp" line="45" />
            <source>Left axis</source>
            <translation>Левая ось</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportOptionsBox.cpp" line="46" />
            <source>Grid</source>
            <translation>Сетка</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportOptionsBox.cpp" line="47" />
            <source>Database numbers</source>
            <translation>Номера в базе данных</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportOptionsBox.cpp" line="48" />
            <source>Comments</source>
            <translation>Комментарии</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportOptionsBox.cpp" line="49" />
            <source>Legend</source>
            <translation>Легенда</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportOptionsBox.cpp" line="50" />
            <source>Measurement type</source>
            <translation>Тип измерения</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportOptionsBox.cpp" line="51" />
            <source>Record parameters</source>
            <translation>Параметры записи</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportOptionsBox.cpp" line="52" />
            <source>Result calculation data </source>
            <translation>Данные расчета результата </translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportOptionsBox.cpp" line="53" />
            <source>Peaks</source>
            <translation>Пики</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportOptionsBox.cpp" line="54" />
            <source>Notes</source>
            <translation>Примечания</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportOptionsBox.cpp" line="62" />
            <source>Black &amp;&amp; White</source>
            <translation>Черный &amp;&amp; белый</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportOptionsBox.cpp" line="66" />
            <source>Scales</source>
            <translation>Масштабы</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportOptionsBox.cpp" line="84" />
            <source>Auto</source>
            <translation>Авто</translation>
        </message>
    </context>
    <context>
        <name>velmora::TReportPage</name>
        <message>
            <location filename="../../src/reports/ui/TReportPage.cpp" line="48" />
            <location filename="../../src/reports/ui/TReportPage.cpp" line="287" />
            <source>Report</source>
            <translation>Отчет</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportPage.cpp" line="52" />
            <source>Reports</source>
            <translation>Отчеты</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportPage.cpp" line="61" />
            <source>Representation</source>
            <translation>Представление</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportPage.cpp" line="73" />
            <source>Title</source>
            <translation>Заголовок</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportPage.cpp" line="74" />
            <source>Statistics: </source>
            <translation>Статистика: </translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportPage.cpp" line="168" />
            <source>Custom</source>
            <translation>Пользовательская</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportPage.cpp" line="245" />
            <source>Do you want to save current report?</source>
            <translation>Сохранить текущий отчет?</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportPage.cpp" line="287" />
            <source>Remove selected?</source>
            <translation>Удалить выбранное?</translation>
        </message>
        <message>
            <location filename="../../src/reports/ui/TReportPage.cpp" line="311" />
            <source>Error</source>
            <translation>Ошибка</translation>
        </message>
    </context>
    <context>
        <name>velmora::TSamplerForm</name>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="194" />
            <source>Check the methods to run and set the number of samples: the tray is laid out with the service cells the methods share and the cells of every sample. Drag a cell onto another to exchange them; point at a cell to edit its type, sample, comments and methods. "Modify" edits the program set of the batch, "Run" starts it.</source>
            <translation>Отметьте методики для выполнения и задайте число проб: в лотке размещаются общие для методик служебные ячейки и ячейки каждой пробы. Перетащите ячейку на другую, чтобы поменять их местами; наведите указатель на ячейку, чтобы изменить ее тип, пробу, комментарии и методики. «Изменить» редактирует набор программ серии, «Пуск» запускает ее.</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="207" />
            <source>Autosampler setup</source>
            <translation>Настройка автосамплера</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="208" />
            <source>Select methods:</source>
            <translation>Выберите методики:</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="209" />
            <source>Number of samples for analysis</source>
            <translation>Число проб для анализа</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="210" />
            <source>Loops count</source>
            <translation>Число повторов</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="211" />
            <source>Stirrer settings</source>
            <translation>Настройки мешалки</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="212" />
            <source>Mixer mode</source>
            <translation>Режим мешалки</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="213" />
            <source>Mixer</source>
            <translation>Мешалка</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="213" />
            <source>Regulated mixer</source>
            <translation>Регулируемая мешалка</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="213" />
            <source>Regulated electrode</source>
            <translation>Регулируемый электрод</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="213" />
            <source>Rotating electrode</source>
            <translation>Вращающийся электрод</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="215" />
            <source>Rotation speed (rpm)</source>
            <translation>Скорость вращения (об/мин)</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="216" />
            <source>Manual control</source>
            <translation>Ручное управление</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="217" />
            <source>Active cell</source>
            <translation>Активная ячейка</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="218" />
            <source>Electrode up</source>
            <translation>Электрод вверх</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="219" />
            <source>Electrode down</source>
            <translation>Электрод вниз</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="220" />
            <source>Run</source>
            <translation>Пуск</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="221" />
            <source>&amp;Stop</source>
            <translation>&amp;Стоп</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="222" />
            <source>Help</source>
            <translation>Справка</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="223" />
            <source>Modify</source>
            <translation>Изменить</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="224" />
            <source>Use new 3 in 1</source>
            <translation>Использовать новый 3 в 1</translation>
        </message>
        <message>
            <location filename="../../src/acquisition/ui/TSamplerForm.cpp" line="225" />
            <source>Analysis program rebuilded</source>
            <translation>Программа анализа перестроена</translation>
        </message>
    </context>
    <context>
        <name>velmora::TScriptStepPages</name>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPages.cpp" line="51" />
            <source>Conjunction type</source>
            <translation>Схема подключения</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPages.cpp" line="55" />
            <source>Electrodes</source>
            <translation>Электроды</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPages.cpp" line="60" />
            <source>Concentration calculation method</source>
            <translation>Метод расчета концентрации</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPages.cpp" line="65" />
            <source>Mixing type</source>
            <translation>Тип перемешивания</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPages.cpp" line="70" />
            <location filename="../../src/methods/ui/TScriptStepPages.cpp" line="74" />
            <source>Choose option:</source>
            <translation>Выберите вариант:</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPages.cpp" line="131" />
            <source>This command has no parameters.</source>
            <translation>У этой команды нет параметров.</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPages.cpp" line="174" />
            <source>Value</source>
            <translation>Значение</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPages.cpp" line="181" />
            <source>Languages</source>
            <translation>Языки</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPages.cpp" line="200" />
            <source>Enter value</source>
            <translation>Введите значение</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPages.cpp" line="228" />
            <source>Supporting electrolyte</source>
            <translation>Фоновый электролит</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPages.cpp" line="241" />
            <source>Volume, ml</source>
            <translation>Объем, мл</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPages.cpp" line="250" />
            <source>Activation solution</source>
            <translation>Раствор для активации</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="106" />
            <source>[Additions concentrations]</source>
            <translation>[Концентрации добавок]</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="106" />
            <source>[Result concentrations]</source>
            <translation>[Концентрации результата]</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="153" />
            <source>Add peak</source>
            <translation>Добавить пик</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="154" />
            <source>Remove peak</source>
            <translation>Удалить пик</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="156" />
            <source>Elements</source>
            <translation>Элементы</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="164" />
            <source>Peak parameters</source>
            <translation>Параметры пика</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="166" />
            <source>Left border</source>
            <translation>Левая граница</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="166" />
            <source>Middle border</source>
            <translation>Средняя граница</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="166" />
            <source>Right border</source>
            <translation>Правая граница</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="167" />
            <source>Standart addition concentration</source>
            <translation>Концентрация стандартной добавки</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="167" />
            <source>Peak calculation method</source>
            <translation>Метод расчета пика</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="294" />
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="461" />
            <source>Browse</source>
            <translation>Обзор</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="295" />
            <source>Modify</source>
            <translation>Изменить</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="304" />
            <source>Program file path</source>
            <translation>Путь к файлу программ</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="321" />
            <source>Programs: %1, steps: %2</source>
            <translation>Программ: %1, шагов: %2</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="376" />
            <source>Statistics</source>
            <translation>Статистика</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="416" />
            <source>Equation editor...</source>
            <translation>Редактор формул...</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="420" />
            <source>Calculation methods</source>
            <translation>Методы расчета</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="466" />
            <source>Data type</source>
            <translation>Тип данных</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TScriptStepPagesData.cpp" line="482" />
            <source>Points: %1</source>
            <translation>Точек: %1</translation>
        </message>
    </context>
    <context>
        <name>velmora::TStatForm</name>
        <message>
            <location filename="../../src/quant/ui/TStatForm.cpp" line="97" />
            <source>Calculation statistics</source>
            <translation>Статистика расчета</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TStatForm.cpp" line="98" />
            <source>Equations</source>
            <translation>Уравнения</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TStatForm.cpp" line="99" />
            <source>Labels</source>
            <translation>Подписи</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TStatForm.cpp" line="100" />
            <source>Linear trends</source>
            <translation>Линейные тренды</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TStatForm.cpp" line="101" />
            <source>Legend</source>
            <translation>Легенда</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TStatForm.cpp" line="102" />
            <source>Signal</source>
            <translation>Сигнал</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TStatForm.cpp" line="235" />
            <source>Concentration, [%1/%2]</source>
            <translation>Концентрация, [%1/%2]</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TStatForm.cpp" line="240" />
            <source>Sweep rate</source>
            <translation>Скорость развертки</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TStatForm.cpp" line="242" />
            <source>Angular frequency</source>
            <translation>Угловая частота</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TStatForm.cpp" line="244" />
            <source>Cleaning potential, mV</source>
            <translation>Потенциал очистки, мВ</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TStatForm.cpp" line="246" />
            <source>Cleaning time, s</source>
            <translation>Время очистки, с</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TStatForm.cpp" line="248" />
            <source>Preparation 1 potential, mV</source>
            <translation>Потенциал подготовки 1, мВ</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TStatForm.cpp" line="250" />
            <source>Preparation 1 time, s</source>
            <translation>Время подготовки 1, с</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TStatForm.cpp" line="252" />
            <source>Preparation 2 potential, mV</source>
            <translation>Потенциал подготовки 2, мВ</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TStatForm.cpp" line="254" />
            <source>Preparation 2 time, s</source>
            <translation>Время подготовки 2, с</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TStatForm.cpp" line="256" />
            <source>Electrolysis potential, mV</source>
            <translation>Потенциал электролиза, мВ</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TStatForm.cpp" line="258" />
            <source>Electrolysis time, s</source>
            <translation>Время электролиза, с</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TStatForm.cpp" line="260" />
            <source>Delay after mixing, s</source>
            <translation>Задержка после перемешивания, с</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TStatForm.cpp" line="262" />
            <source>Modulation amplitude, mV</source>
            <translation>Амплитуда модуляции, мВ</translation>
        </message>
        <message>
            <location filename="../../src/quant/ui/TStatForm.cpp" line="264" />
            <source>Modulation Frequency, Hz</source>
            <translation>Частота модуляции, Гц</translation>
        </message>
    </context>
    <context>
        <name>velmora::TSubtractionForm</name>
        <message>
            <location filename="../../src/methods/ui/TSubtractionForm.cpp" line="85" />
            <source>Subtraction</source>
            <translation>Вычитание</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TSubtractionForm.cpp" line="86" />
            <source>Minuend</source>
            <translation>Уменьшаемое</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TSubtractionForm.cpp" line="87" />
            <source>Subtrahend</source>
            <translation>Вычитаемое</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TSubtractionForm.cpp" line="88" />
            <source>Result</source>
            <translation>Результат</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TSubtractionForm.cpp" line="91" />
            <source>Apply</source>
            <translation>Применить</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TSubtractionForm.cpp" line="92" />
            <source>Create new</source>
            <translation>Создать новую кривую</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TSubtractionForm.cpp" line="93" />
            <source>&amp;Cancel</source>
            <translation>&amp;Отмена</translation>
        </message>
        <message>
            <location filename="../../src/methods/ui/TSubtractionForm.cpp" line="94" />
            <source>Help</source>
            <translation>Справка</translation>
        </message>
    </context>
    <context>
        <name>velmora::TUpdateForm</name>
        <message>
            <location filename="../../src/services/ui/TUpdateForm.cpp" line="351" />
            <source>Program update</source>
            <translation>Обновление программы</translation>
        </message>
        <message>
            <location filename="../../src/services/ui/TUpdateForm.cpp" line="352" />
            <source>Next</source>
            <translation>Далее</translation>
        </message>
    </context>
    <context>
        <name>velmora::TimerWindow</name>
        <message>
            <location filename="../../src/app/TimerWindow.cpp" line="62" />
            <source>Timer</source>
            <translation>Таймер</translation>
        </message>
        <message>
            <location filename="../../src/app/TimerWindow.cpp" line="63" />
            <source>Stop</source>
            <translation>Стоп</translation>
        </message>
        <message>
            <location filename="../../src/app/TimerWindow.cpp" line="63" />
            <source>Start</source>
            <translation>Старт</translation>
        </message>
    </context>
    <context>
        <name>velmora::UpdateDownloader</name>
        <message>
            <location filename="../../src/services/ui/UpdateDownloader.cpp" line="148" />
            <source>The server answered %1 %2.</source>
            <translation>Сервер ответил: %1 %2.</translation>
        </message>
    </context>
</TS>
