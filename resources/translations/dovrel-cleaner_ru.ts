<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>dovrel::AboutBrowsers</name>
    <message>
        <source>Browsers</source>
        <translation>Браузеры</translation>
    </message>
    <message>
        <source>Google Chrome, Firefox and Safari keep caches, website storage and page thumbnails. Removing them leaves your bookmarks, history and passwords alone, but websites may sign you out and forget their settings. Browsers fill this storage again as you browse.</source>
        <translation>Google Chrome, Firefox и Safari хранят кэши, данные сайтов и эскизы страниц. При их удалении закладки, история и пароли не затрагиваются, но сайты могут выйти из вашей учётной записи и забыть свои настройки. По мере работы в интернете браузеры снова заполняют это хранилище.</translation>
    </message>
    <message>
        <source>Choose Browsers…</source>
        <translation>Выбрать браузеры…</translation>
    </message>
    <message>
        <source>Google Chrome, Chromium and Firefox keep caches, website storage and page thumbnails. Removing them leaves your bookmarks, history and passwords alone, but websites may sign you out and forget their settings. Browsers fill this storage again as you browse.</source>
        <translation>Google Chrome, Chromium и Firefox хранят кэши, данные сайтов и эскизы страниц. При их удалении закладки, история и пароли не затрагиваются, но сайты могут выйти из вашей учётной записи и забыть свои настройки. По мере работы в интернете браузеры снова заполняют это хранилище.</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutCaches</name>
    <message>
        <source>Applications caches</source>
        <translation>Кэши приложений</translation>
    </message>
    <message>
        <source>Applications keep copies of data they downloaded or worked out before, so they can start and work faster. Removing caches is safe: your documents and settings stay as they are. Applications rebuild what they need as you use them, so they may start a little slower the first time.</source>
        <translation>Приложения хранят копии ранее загруженных или вычисленных данных, чтобы быстрее запускаться и работать. Удалять кэши безопасно: ваши документы и настройки остаются как есть. Приложения заново создают нужное по мере работы, поэтому в первый раз они могут запускаться чуть медленнее.</translation>
    </message>
    <message>
        <source>Show Caches Folder</source>
        <translation>Показать папку кэшей</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutLogs</name>
    <message>
        <source>Applications logs</source>
        <translation>Журналы приложений</translation>
    </message>
    <message>
        <source>Applications and the system write notes about their work and their errors into log files. Nothing needs old logs to run, so removing them is safe. New logs are written as applications keep running.</source>
        <translation>Приложения и система записывают сведения о своей работе и ошибках в файлы журналов. Старые журналы ничему не нужны для работы, поэтому удалять их безопасно. Пока приложения работают, пишутся новые журналы.</translation>
    </message>
    <message>
        <source>Show Logs Folder</source>
        <translation>Показать папку журналов</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutMails</name>
    <message>
        <source>Mail attachments</source>
        <translation>Почтовые вложения</translation>
    </message>
    <message>
        <source>Mail, Airmail and Spark keep copies of attachments and downloaded messages on your disk. Removing them is safe as long as your mail stays on the mail server: messages and their attachments are downloaded again when you open them.</source>
        <translation>Mail, Airmail и Spark хранят на диске копии вложений и загруженных писем. Удалять их безопасно, пока ваша почта остаётся на почтовом сервере: письма и вложения будут загружены снова, когда вы их откроете.</translation>
    </message>
    <message>
        <source>Show Downloads Folder</source>
        <translation>Показать папку «Загрузки»</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutPopover</name>
    <message>
        <source>Applications remainders</source>
        <translation>Остатки приложений</translation>
    </message>
    <message>
        <source>Settings, caches and support files left behind by applications you have removed. Nothing uses them any more, so removing them is safe. They come back only if you install those applications again.</source>
        <translation>Настройки, кэши и служебные файлы, оставшиеся от удалённых вами приложений. Они больше ничем не используются, поэтому удалять их безопасно. Они появятся снова, только если вы заново установите эти приложения.</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>Установочные файлы</translation>
    </message>
    <message>
        <source>Disk images and installer packages you downloaded to install applications. Once an application is installed its installer is no longer needed, so removing them is safe. They do not come back: download the installer again if you ever need it.</source>
        <translation>Образы дисков и установочные пакеты, загруженные для установки приложений. Когда приложение установлено, установщик больше не нужен, поэтому удалять их безопасно. Сами они не вернутся: при необходимости загрузите установщик снова.</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutTrash</name>
    <message>
        <source>Trash Bin</source>
        <translation>Корзина</translation>
    </message>
    <message>
        <source>Files and folders you moved to the Trash. Removing them deletes them for good, so look inside first if you are not sure. The Trash fills again as you delete files.</source>
        <translation>Файлы и папки, которые вы переместили в Корзину. При удалении они стираются безвозвратно, поэтому, если сомневаетесь, сначала загляните внутрь. Корзина снова наполняется, когда вы удаляете файлы.</translation>
    </message>
    <message>
        <source>Show Trash</source>
        <translation>Показать Корзину</translation>
    </message>
</context>
<context>
    <name>dovrel::AppDelegate</name>
    <message>
        <source>Dovrel Cleaner quit unexpectedly</source>
        <translation>Dovrel Cleaner неожиданно завершил работу</translation>
    </message>
    <message>
        <source>Dovrel Cleaner stopped unexpectedly the last time it ran. A report was saved on this computer.</source>
        <translation>При последнем запуске Dovrel Cleaner неожиданно завершил работу. Отчёт сохранён на этом компьютере.</translation>
    </message>
</context>
<context>
    <name>dovrel::CategoryTable</name>
    <message>
        <source>Applications caches</source>
        <translation>Кэши приложений</translation>
    </message>
    <message>
        <source>Applications logs</source>
        <translation>Журналы приложений</translation>
    </message>
    <message>
        <source>Applications remainders</source>
        <translation>Остатки приложений</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>Браузеры</translation>
    </message>
    <message>
        <source>Mail attachments</source>
        <translation>Почтовые вложения</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>Установочные файлы</translation>
    </message>
    <message>
        <source>Trash Bin</source>
        <translation>Корзина</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanItemMenu</name>
    <message>
        <source>Show in File Manager</source>
        <translation>Показать в файловом менеджере</translation>
    </message>
    <message>
        <source>Quick Look</source>
        <translation>Быстрый просмотр</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Always Keep</source>
        <translation>Всегда сохранять</translation>
    </message>
    <message>
        <source>Stop Keeping</source>
        <translation>Больше не сохранять</translation>
    </message>
    <message>
        <source>“%1” will always be kept. Preferences lists what is kept.</source>
        <translation>«%1» будет сохраняться всегда. Список сохраняемого — в настройках.</translation>
    </message>
    <message>
        <source>“%1” could not be added to the kept items: %2</source>
        <translation>Не удалось добавить «%1» в сохраняемые объекты: %2</translation>
    </message>
    <message>
        <source>“%1” is no longer kept; tick it to remove it.</source>
        <translation>«%1» больше не сохраняется; отметьте его, чтобы удалить.</translation>
    </message>
    <message>
        <source>“%1” could not be taken off the kept items: %2</source>
        <translation>Не удалось исключить «%1» из сохраняемых объектов: %2</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanedViewController</name>
    <message>
        <source>Cleanup finished</source>
        <translation>Очистка завершена</translation>
    </message>
    <message>
        <source>cleaned from your home folder</source>
        <translation>очищено в вашей домашней папке</translation>
    </message>
    <message>
        <source>Still removing the last files...</source>
        <translation>Удаление последних файлов…</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>Показать список</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Расположение</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Причина</translation>
    </message>
    <message>
        <source>Scan Again</source>
        <translation>Проверить снова</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>moved to the Trash, freed when it is emptied</source>
        <translation>перемещено в Корзину, освободится после её очистки</translation>
    </message>
    <message>
        <source>moved to the Trash, freed when it is emptied; %1 removed for good</source>
        <translation>перемещено в Корзину, освободится после её очистки; %1 удалено безвозвратно</translation>
    </message>
    <message>
        <source>1 location could not be removed.</source>
        <translation>Не удалось удалить 1 расположение.</translation>
    </message>
    <message>
        <source>%1 locations could not be removed.</source>
        <translation>Не удалось удалить расположений: %1.</translation>
    </message>
    <message>
        <source>Hide List</source>
        <translation>Скрыть список</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanerWindowController</name>
    <message>
        <source>Dovrel Cleaner</source>
        <translation>Dovrel Cleaner</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Finds caches, logs, leftovers and other clutter in your home folder and removes what you choose.</source>
        <translation>Находит кэши, журналы, остатки и прочий мусор в вашей домашней папке и удаляет то, что вы выберете.</translation>
    </message>
    <message>
        <source>&amp;Dovrel Cleaner</source>
        <translation>&amp;Dovrel Cleaner</translation>
    </message>
    <message>
        <source>About Dovrel Cleaner</source>
        <translation>О программе Dovrel Cleaner</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Настройки…</translation>
    </message>
    <message>
        <source>Quit Dovrel Cleaner</source>
        <translation>Выйти из Dovrel Cleaner</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>Отправить отзыв…</translation>
    </message>
</context>
<context>
    <name>dovrel::CleaningChoice</name>
    <message>
        <source>When cleaning:</source>
        <translation>При очистке:</translation>
    </message>
    <message>
        <source>Delete permanently</source>
        <translation>Удалять безвозвратно</translation>
    </message>
    <message>
        <source>Move to the Trash</source>
        <translation>Перемещать в Корзину</translation>
    </message>
    <message>
        <source>When cleaning</source>
        <translation>При очистке</translation>
    </message>
</context>
<context>
    <name>dovrel::EnableSchedulerViewController</name>
    <message>
        <source>Cleanup reminders</source>
        <translation>Напоминания об очистке</translation>
    </message>
    <message>
        <source>Remind me to clean up?</source>
        <translation>Напоминать об очистке?</translation>
    </message>
    <message>
        <source>Dovrel Cleaner can remind you to clean up every few weeks. The reminder starts with your session; you can switch it off in Preferences at any time.</source>
        <translation>Dovrel Cleaner может напоминать вам об очистке раз в несколько недель. Напоминание запускается вместе с сеансом; отключить его можно в любой момент в настройках.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Не сейчас</translation>
    </message>
    <message>
        <source>Remind Me</source>
        <translation>Напоминать</translation>
    </message>
</context>
<context>
    <name>dovrel::FeedbackDialog</name>
    <message>
        <source>Send Feedback</source>
        <translation>Отправить отзыв</translation>
    </message>
    <message>
        <source>Tell us what you like, what is missing or what went wrong. Your message is saved as a text file in the folder “%1” on this computer; nothing is sent over the network.</source>
        <translation>Расскажите, что вам нравится, чего не хватает или что пошло не так. Сообщение сохраняется в виде текстового файла в папке «%1» на этом компьютере; по сети ничего не отправляется.</translation>
    </message>
    <message>
        <source>Your feedback</source>
        <translation>Ваш отзыв</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Thank you. Your feedback was saved in the file “%1”.</source>
        <translation>Спасибо. Ваш отзыв сохранён в файле «%1».</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Your feedback could not be saved in the folder “%1”. Your text is still here: copy it before you close this window.</source>
        <translation>Не удалось сохранить ваш отзыв в папке «%1». Текст никуда не делся: скопируйте его, прежде чем закрыть это окно.</translation>
    </message>
</context>
<context>
    <name>dovrel::FinishingCleanupNotice</name>
    <message>
        <source>Finishing the cleanup…</source>
        <translation>Завершение очистки…</translation>
    </message>
    <message>
        <source>Stop Now</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Dovrel Cleaner quits as soon as it has finished removing the item it is working on. The rest of your selection stays where it is.</source>
        <translation>Dovrel Cleaner завершит работу, как только закончит удалять текущий объект. Остальное из выбранного останется на месте.</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Остановка…</translation>
    </message>
    <message>
        <source>%1 removed so far</source>
        <translation>Пока удалено: %1</translation>
    </message>
</context>
<context>
    <name>dovrel::FolderGrants</name>
    <message>
        <source>Allow</source>
        <translation>Разрешить</translation>
    </message>
    <message>
        <source>Choose Your Home Folder</source>
        <translation>Выберите домашнюю папку</translation>
    </message>
    <message>
        <source>Choose the Applications Folder</source>
        <translation>Выберите папку приложений</translation>
    </message>
    <message>
        <source>“%1” is not your home folder. Please choose the folder named “%2” (%3).</source>
        <translation>«%1» — не ваша домашняя папка. Выберите папку с именем «%2» (%3).</translation>
    </message>
    <message>
        <source>“%1” is not an Applications folder. Please choose the folder named “Applications” (%2).</source>
        <translation>«%1» — не папка приложений. Выберите папку с именем «Applications» (%2).</translation>
    </message>
    <message>
        <source>“%1” is not an Applications folder. Please choose a folder named “Applications”.</source>
        <translation>«%1» — не папка приложений. Выберите папку с именем «Applications».</translation>
    </message>
</context>
<context>
    <name>dovrel::HomeViewController</name>
    <message>
        <source>Time for a clean-up</source>
        <translation>Пора навести порядок</translation>
    </message>
    <message>
        <source>Smart Scan looks through caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash.</source>
        <translation>Умная проверка просматривает кэши, журналы, остатки удалённых приложений, данные браузеров, почтовые вложения, установщики и Корзину.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <source>Starts a smart scan</source>
        <translation>Запускает умную проверку</translation>
    </message>
    <message>
        <source>Applications caches</source>
        <translation>Кэши приложений</translation>
    </message>
    <message>
        <source>Applications logs</source>
        <translation>Журналы приложений</translation>
    </message>
    <message>
        <source>Applications remainders</source>
        <translation>Остатки приложений</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>Браузеры</translation>
    </message>
    <message>
        <source>Mail attachments</source>
        <translation>Почтовые вложения</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>Установочные файлы</translation>
    </message>
    <message>
        <source>Trash Bin</source>
        <translation>Корзина</translation>
    </message>
</context>
<context>
    <name>dovrel::ItemFacts</name>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Symbolic link</source>
        <translation>Символическая ссылка</translation>
    </message>
    <message>
        <source>FIFO (named pipe)</source>
        <translation>FIFO (именованный канал)</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>Сокет</translation>
    </message>
    <message>
        <source>Character device</source>
        <translation>Символьное устройство</translation>
    </message>
    <message>
        <source>Block device</source>
        <translation>Блочное устройство</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Документ</translation>
    </message>
</context>
<context>
    <name>dovrel::ItemInfoWindow</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Расположение</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>On disk</source>
        <translation>На диске</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Создан</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Права доступа</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Владелец</translation>
    </message>
    <message>
        <source>%1, less than its size: some files in it are sparse or compressed and take less room on the disk than they hold</source>
        <translation>%1, меньше размера: некоторые файлы внутри разрежённые или сжатые и занимают на диске меньше места, чем содержат</translation>
    </message>
    <message>
        <source>%1, less than its size: the file is sparse or compressed and takes less room on the disk than it holds</source>
        <translation>%1, меньше размера: файл разрежённый или сжатый и занимает на диске меньше места, чем содержит</translation>
    </message>
    <message>
        <source>%1 Info</source>
        <translation>Свойства: %1</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>This item is no longer there.</source>
        <translation>Этого объекта больше нет.</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 байт)</translation>
    </message>
    <message>
        <source>, not all of it could be read</source>
        <translation>, прочитать удалось не всё</translation>
    </message>
</context>
<context>
    <name>dovrel::LayoutChoice</name>
    <message>
        <source>Home folder layout:</source>
        <translation>Структура домашней папки:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Home folder layout</source>
        <translation>Структура домашней папки</translation>
    </message>
</context>
<context>
    <name>dovrel::Page1PrivacyFullDisk</name>
    <message>
        <source>Dovrel Cleaner needs to read protected files</source>
        <translation>Dovrel Cleaner нужно прочитать защищённые файлы</translation>
    </message>
    <message>
        <source>Some data in your home folder, such as the browser files under Library, can only be read with full access. Without it Dovrel Cleaner cannot measure or clean them.</source>
        <translation>Некоторые данные в домашней папке, например файлы браузеров в Library, можно прочитать только при полном доступе. Без него Dovrel Cleaner не может ни измерить, ни очистить их.</translation>
    </message>
</context>
<context>
    <name>dovrel::Page2PrivacyFullDisk</name>
    <message>
        <source>Allow your account to read them</source>
        <translation>Разрешите вашей учётной записи читать их</translation>
    </message>
    <message>
        <source>On Linux there is no Full Disk Access list: a file can be read when your account has read permission for it. Press “Open Settings” to show the protected file in your file manager, open its Properties and allow reading for your account. If Dovrel Cleaner runs in a sandbox (Flatpak or Snap), also give it access to your home folder in that system&apos;s permission settings.</source>
        <translation>В Linux нет списка полного доступа к диску: файл можно прочитать, если у вашей учётной записи есть право на его чтение. Нажмите «Открыть настройки», чтобы показать защищённый файл в файловом менеджере, откройте его свойства и разрешите чтение для своей учётной записи. Если Dovrel Cleaner работает в песочнице (Flatpak или Snap), также дайте ему доступ к домашней папке в настройках разрешений этой системы.</translation>
    </message>
</context>
<context>
    <name>dovrel::Page3PrivacyFullDisk</name>
    <message>
        <source>Check the access</source>
        <translation>Проверьте доступ</translation>
    </message>
    <message>
        <source>When you have allowed reading, press “Confirm”. Dovrel Cleaner checks the access and closes this window once it can read the protected files.</source>
        <translation>Разрешив чтение, нажмите «Подтвердить». Dovrel Cleaner проверит доступ и закроет это окно, как только сможет прочитать защищённые файлы.</translation>
    </message>
</context>
<context>
    <name>dovrel::PreferencesViewController</name>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Напоминания</translation>
    </message>
    <message>
        <source>Remind me to clean up regularly</source>
        <translation>Регулярно напоминать об очистке</translation>
    </message>
    <message>
        <source>A small helper starts with your session and tells you when it is time for a clean-up.</source>
        <translation>Небольшая вспомогательная программа запускается вместе с сеансом и сообщает, когда пора навести порядок.</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Папки</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Домашняя папка</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Приложения</translation>
    </message>
    <message>
        <source>Kept Items</source>
        <translation>Сохраняемые объекты</translation>
    </message>
    <message>
        <source>Never offered for removal, with everything inside them.</source>
        <translation>Никогда не предлагаются к удалению, вместе со всем содержимым.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Remove Kept Item</source>
        <translation>Убрать сохраняемый объект</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Добавить…</translation>
    </message>
    <message>
        <source>Add Kept Folder…</source>
        <translation>Добавить сохраняемую папку…</translation>
    </message>
    <message>
        <source>Cleaned So Far</source>
        <translation>Всего очищено</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Изменить…</translation>
    </message>
    <message>
        <source>Change Home Folder…</source>
        <translation>Изменить домашнюю папку…</translation>
    </message>
    <message>
        <source>Change Applications Folder…</source>
        <translation>Изменить папку приложений…</translation>
    </message>
    <message>
        <source>%1 removed in all clean-ups.</source>
        <translation>Удалено за все очистки: %1.</translation>
    </message>
    <message>
        <source>Nothing has been cleaned yet.</source>
        <translation>Пока ничего не очищено.</translation>
    </message>
    <message>
        <source>“%1” could not be taken off the kept items: %2</source>
        <translation>Не удалось исключить «%1» из сохраняемых объектов: %2</translation>
    </message>
    <message>
        <source>Keep a Folder</source>
        <translation>Сохранять папку</translation>
    </message>
    <message>
        <source>Always Keep</source>
        <translation>Всегда сохранять</translation>
    </message>
    <message>
        <source>“%1” could not be kept: %2</source>
        <translation>Не удалось сохранить «%1»: %2</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>Не выбрана</translation>
    </message>
    <message>
        <source>No folder is allowed yet.</source>
        <translation>Ни одна папка ещё не разрешена.</translation>
    </message>
    <message>
        <source>This folder is gone. Please choose it again.</source>
        <translation>Этой папки больше нет. Выберите её снова.</translation>
    </message>
    <message>
        <source>This folder was replaced since you allowed it. Please choose it again.</source>
        <translation>Эта папка была заменена после того, как вы её разрешили. Выберите её снова.</translation>
    </message>
    <message>
        <source>This folder is not named “%1”. Please choose the right one.</source>
        <translation>Эта папка называется не «%1». Выберите нужную.</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Очистка</translation>
    </message>
</context>
<context>
    <name>dovrel::PreviewLoader</name>
    <message>
        <source>This image is too large to preview.</source>
        <translation>Изображение слишком большое для предпросмотра.</translation>
    </message>
    <message>
        <source>This image cannot be read.</source>
        <translation>Не удаётся прочитать изображение.</translation>
    </message>
    <message>
        <source>This document is too large to preview.</source>
        <translation>Документ слишком большой для предпросмотра.</translation>
    </message>
    <message>
        <source>This document cannot be read.</source>
        <translation>Не удаётся прочитать документ.</translation>
    </message>
    <message>
        <source>“%1” is no longer there.</source>
        <translation>«%1» больше не существует.</translation>
    </message>
</context>
<context>
    <name>dovrel::PreviewPanel</name>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>Preview picture</source>
        <translation>Изображение для предпросмотра</translation>
    </message>
    <message>
        <source>Start of the file</source>
        <translation>Начало файла</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Folder contents</source>
        <translation>Содержимое папки</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Загрузка…</translation>
    </message>
    <message>
        <source>Only the start of the file is shown.</source>
        <translation>Показано только начало файла.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n items are listed.</source>
        <translation>
            <numerusform>Показан только первый %n объект.</numerusform>
            <numerusform>Показаны только первые %n объекта.</numerusform>
            <numerusform>Показаны только первые %n объектов.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 item, %1</source>
        <translation>1 объект, %1</translation>
    </message>
    <message numerus="yes">
        <source>%n items, %1</source>
        <translation>
            <numerusform>%n объект, %1</numerusform>
            <numerusform>%n объекта, %1</numerusform>
            <numerusform>%n объектов, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Points to: %1</source>
        <translation>Указывает на: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Создан: %1</translation>
    </message>
    <message>
        <source>Modified: %1</source>
        <translation>Изменён: %1</translation>
    </message>
    <message>
        <source>Last opened: %1</source>
        <translation>Последнее открытие: %1</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyDiskAccessViewController</name>
    <message>
        <source>Open Settings</source>
        <translation>Открыть настройки</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтвердить</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyFullDiskPage</name>
    <message>
        <source>Step %1 of 3</source>
        <translation>Шаг %1 из 3</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyFullDiskWindowController</name>
    <message>
        <source>Full Disk Access</source>
        <translation>Полный доступ к диску</translation>
    </message>
</context>
<context>
    <name>dovrel::RevealNotice</name>
    <message>
        <source>Opening the file manager…</source>
        <translation>Открытие файлового менеджера…</translation>
    </message>
    <message>
        <source>No file manager could be opened to show “%1”.</source>
        <translation>Не удалось открыть файловый менеджер, чтобы показать «%1».</translation>
    </message>
    <message>
        <source>Not scanned: “%1” is a symbolic link, and what it leads to is not part of your home folder.</source>
        <translation>Не проверено: «%1» — символическая ссылка, а то, на что она указывает, не входит в вашу домашнюю папку.</translation>
    </message>
    <message>
        <source>Left alone: “%1”, because its .trashinfo file is not a regular file.</source>
        <translation>Не тронуто: «%1», так как его файл .trashinfo не является обычным файлом.</translation>
    </message>
    <message>
        <source>One more place was left out for a like reason.</source>
        <translation>Ещё одно расположение пропущено по похожей причине.</translation>
    </message>
    <message>
        <source>%1 more places were left out for like reasons.</source>
        <translation>Ещё пропущено по похожим причинам расположений: %1.</translation>
    </message>
</context>
<context>
    <name>dovrel::SandboxViewController</name>
    <message>
        <source>Allow access to your folders</source>
        <translation>Разрешите доступ к вашим папкам</translation>
    </message>
    <message>
        <source>Dovrel Cleaner looks for clutter only where you let it. Please choose your home folder and the Applications folder.</source>
        <translation>Dovrel Cleaner ищет мусор только там, где вы разрешите. Выберите домашнюю папку и папку приложений.</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Домашняя папка</translation>
    </message>
    <message>
        <source>the folder named “%1”</source>
        <translation>папка с именем «%1»</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Приложения</translation>
    </message>
    <message>
        <source>the folder named “Applications”</source>
        <translation>папка с именем «Applications»</translation>
    </message>
    <message>
        <source>Allow Home Folder</source>
        <translation>Разрешить домашнюю папку</translation>
    </message>
    <message>
        <source>Allow Applications Folder</source>
        <translation>Разрешить папку приложений</translation>
    </message>
    <message>
        <source>Why does Dovrel Cleaner need access?</source>
        <translation>Зачем Dovrel Cleaner нужен доступ?</translation>
    </message>
    <message>
        <source>Dovrel Cleaner looks for clutter only where you let it. Please choose your home folder.</source>
        <translation>Dovrel Cleaner ищет мусор только там, где вы разрешите. Выберите домашнюю папку.</translation>
    </message>
    <message>
        <source>✓ Home Folder Allowed</source>
        <translation>✓ Домашняя папка разрешена</translation>
    </message>
    <message>
        <source>✓ Applications Allowed</source>
        <translation>✓ Папка приложений разрешена</translation>
    </message>
    <message>
        <source>“%1” cannot be opened as a folder. Please choose it again.</source>
        <translation>«%1» не удаётся открыть как папку. Выберите её снова.</translation>
    </message>
    <message>
        <source>Why Dovrel Cleaner needs access</source>
        <translation>Зачем Dovrel Cleaner нужен доступ</translation>
    </message>
    <message>
        <source>Dovrel Cleaner only reads the folders you allow.</source>
        <translation>Dovrel Cleaner читает только те папки, которые вы разрешили.</translation>
    </message>
    <message>
        <source>It looks for caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash inside your home folder. It reads the Applications folder to learn which applications are still installed, so that what they keep is never taken for a leftover. Nothing is removed until you have chosen it and pressed the remove button.</source>
        <translation>Он ищет в вашей домашней папке кэши, журналы, остатки удалённых приложений, данные браузеров, почтовые вложения, установщики и Корзину. Папку приложений он читает, чтобы знать, какие приложения ещё установлены, и никогда не принимать их данные за остатки. Ничего не удаляется, пока вы это не выберете и не нажмёте кнопку удаления.</translation>
    </message>
    <message>
        <source>It looks for caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash inside your home folder. It learns which applications are still installed from the system&apos;s application list, so that what they keep is never taken for a leftover. Nothing is removed until you have chosen it and pressed the remove button.</source>
        <translation>Он ищет в вашей домашней папке кэши, журналы, остатки удалённых приложений, данные браузеров, почтовые вложения, установщики и Корзину. Какие приложения ещё установлены, он узнаёт из системного списка приложений, чтобы никогда не принимать их данные за остатки. Ничего не удаляется, пока вы это не выберете и не нажмёте кнопку удаления.</translation>
    </message>
    <message>
        <source>Open Web Page</source>
        <translation>Открыть веб-страницу</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at %1.</source>
        <translation>Не удалось открыть веб-браузер. Страница находится по адресу %1.</translation>
    </message>
</context>
<context>
    <name>dovrel::Scroller</name>
    <message>
        <source>Scroll bar</source>
        <translation>Полоса прокрутки</translation>
    </message>
</context>
<context>
    <name>dovrel::SelectBrowsers</name>
    <message>
        <source>Choose the browsers to clean</source>
        <translation>Выберите браузеры для очистки</translation>
    </message>
    <message>
        <source>Google Chrome</source>
        <translation>Google Chrome</translation>
    </message>
    <message>
        <source>Firefox</source>
        <translation>Firefox</translation>
    </message>
    <message>
        <source>Safari</source>
        <translation>Safari</translation>
    </message>
    <message>
        <source>Browsers you untick keep their data.</source>
        <translation>Браузеры без отметки сохранят свои данные.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanOutlineModel</name>
    <message>
        <source>%1 kept</source>
        <translation>сохраняется: %1</translation>
    </message>
    <message>
        <source>always kept</source>
        <translation>сохраняется всегда</translation>
    </message>
    <message>
        <source>Close %1 to clean its site data</source>
        <translation>Закройте %1, чтобы очистить данные сайтов</translation>
    </message>
    <message>
        <source>Nothing found</source>
        <translation>Ничего не найдено</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanOutlineView</name>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Scan results</source>
        <translation>Результаты проверки</translation>
    </message>
    <message>
        <source>Tick what to remove. Space ticks the focused row, the arrow keys open and close a category.</source>
        <translation>Отметьте, что нужно удалить. Пробел отмечает выбранную строку, клавиши со стрелками раскрывают и сворачивают категорию.</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Скрыть</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>Скрыть: %1</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Показать: %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Сведения о категории «%1»</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanViewController</name>
    <message>
        <source>Smart Scan results</source>
        <translation>Результаты умной проверки</translation>
    </message>
    <message>
        <source>Untick what you want to keep. Everything ticked is removed for good.</source>
        <translation>Снимите отметку с того, что хотите оставить. Всё отмеченное будет удалено безвозвратно.</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>выбрано</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Remove the ticked items</source>
        <translation>Удалить отмеченные объекты</translation>
    </message>
    <message>
        <source>Selected size</source>
        <translation>Выбранный объём</translation>
    </message>
    <message>
        <source>Selected size: %1</source>
        <translation>Выбранный объём: %1</translation>
    </message>
    <message>
        <source>The keep list is not available.</source>
        <translation>Список сохраняемых объектов недоступен.</translation>
    </message>
    <message>
        <source>Untick what you want to keep. Everything ticked goes to the Trash.</source>
        <translation>Снимите отметку с того, что хотите оставить. Всё отмеченное будет перемещено в Корзину.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanupViewController</name>
    <message>
        <source>Removing the selected files...</source>
        <translation>Удаление выбранных файлов…</translation>
    </message>
    <message>
        <source>Selected files are removed for good; nothing goes to the Trash.</source>
        <translation>Выбранные файлы удаляются безвозвратно; в Корзину ничего не попадает.</translation>
    </message>
    <message>
        <source>Cleanup complete...</source>
        <translation>Очистка завершена…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Moving the selected files to the Trash...</source>
        <translation>Перемещение выбранных файлов в Корзину…</translation>
    </message>
    <message>
        <source>Selected files go to the Trash; what was in the Trash is removed for good.</source>
        <translation>Выбранные файлы перемещаются в Корзину; то, что уже было в Корзине, удаляется безвозвратно.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartScanViewController</name>
    <message>
        <source>Looking for files you can safely remove…</source>
        <translation>Поиск файлов, которые можно безопасно удалить…</translation>
    </message>
    <message>
        <source>Waiting for the last cleanup to finish…</source>
        <translation>Ожидание завершения последней очистки…</translation>
    </message>
    <message>
        <source>Scan in &quot;%1&quot;</source>
        <translation>Проверка в «%1»</translation>
    </message>
</context>
<context>
    <name>dovrel::agent::AppDelegate</name>
    <message>
        <source>It&apos;s time for cleanup your Mac</source>
        <translation>Пора очистить ваш Mac</translation>
    </message>
    <message>
        <source>Launch Dovrel cleaner and perform cleanup of your Mac.</source>
        <translation>Запустите Dovrel Cleaner и очистите ваш Mac.</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Запустить</translation>
    </message>
</context>
<context>
    <name>dovrel::main</name>
    <message>
        <source>Settings Set Aside</source>
        <translation>Настройки отложены</translation>
    </message>
    <message>
        <source>A settings file could not be used as it was. It was kept as %1, and what could not be read starts afresh.</source>
        <translation>Файл настроек не удалось использовать как есть. Он сохранён как %1, а то, что не удалось прочитать, начинается заново.</translation>
    </message>
</context>
</TS>
