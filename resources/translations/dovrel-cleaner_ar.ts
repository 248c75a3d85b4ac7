<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>dovrel::AboutBrowsers</name>
    <message>
        <source>Browsers</source>
        <translation>المتصفحات</translation>
    </message>
    <message>
        <source>Google Chrome, Firefox and Safari keep caches, website storage and page thumbnails. Removing them leaves your bookmarks, history and passwords alone, but websites may sign you out and forget their settings. Browsers fill this storage again as you browse.</source>
        <translation>يحتفظ Google Chrome وFirefox وSafari بملفات التخزين المؤقت وبيانات المواقع وصور الصفحات المصغّرة. إزالتها لا تمس إشاراتك المرجعية وسجل التصفح وكلمات المرور، لكن قد تُسجَّل خارج بعض المواقع وتنسى إعداداتها. تملأ المتصفحات هذه المساحة من جديد أثناء التصفح.</translation>
    </message>
    <message>
        <source>Choose Browsers…</source>
        <translation>اختيار المتصفحات…</translation>
    </message>
    <message>
        <source>Google Chrome, Chromium and Firefox keep caches, website storage and page thumbnails. Removing them leaves your bookmarks, history and passwords alone, but websites may sign you out and forget their settings. Browsers fill this storage again as you browse.</source>
        <translation>يحتفظ Google Chrome وChromium وFirefox بملفات التخزين المؤقت وبيانات المواقع وصور الصفحات المصغّرة. إزالتها لا تمس إشاراتك المرجعية وسجل التصفح وكلمات المرور، لكن قد تُسجَّل خارج بعض المواقع وتنسى إعداداتها. تملأ المتصفحات هذه المساحة من جديد أثناء التصفح.</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutCaches</name>
    <message>
        <source>Applications caches</source>
        <translation>ملفات التخزين المؤقت للتطبيقات</translation>
    </message>
    <message>
        <source>Applications keep copies of data they downloaded or worked out before, so they can start and work faster. Removing caches is safe: your documents and settings stay as they are. Applications rebuild what they need as you use them, so they may start a little slower the first time.</source>
        <translation>تحتفظ التطبيقات بنسخ من بيانات نزّلتها أو حسبتها من قبل كي تبدأ وتعمل أسرع. إزالة ملفات التخزين المؤقت آمنة: تبقى مستنداتك وإعداداتك كما هي. تعيد التطبيقات بناء ما تحتاجه أثناء استخدامها، لذا قد تبدأ أبطأ قليلًا في المرة الأولى.</translation>
    </message>
    <message>
        <source>Show Caches Folder</source>
        <translation>إظهار مجلد التخزين المؤقت</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutLogs</name>
    <message>
        <source>Applications logs</source>
        <translation>سجلات التطبيقات</translation>
    </message>
    <message>
        <source>Applications and the system write notes about their work and their errors into log files. Nothing needs old logs to run, so removing them is safe. New logs are written as applications keep running.</source>
        <translation>تكتب التطبيقات والنظام ملاحظات عن عملها وأخطائها في ملفات السجل. لا شيء يحتاج إلى السجلات القديمة ليعمل، لذا فإن إزالتها آمنة. تُكتب سجلات جديدة ما دامت التطبيقات تعمل.</translation>
    </message>
    <message>
        <source>Show Logs Folder</source>
        <translation>إظهار مجلد السجلات</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutMails</name>
    <message>
        <source>Mail attachments</source>
        <translation>مرفقات البريد</translation>
    </message>
    <message>
        <source>Mail, Airmail and Spark keep copies of attachments and downloaded messages on your disk. Removing them is safe as long as your mail stays on the mail server: messages and their attachments are downloaded again when you open them.</source>
        <translation>يحتفظ Mail وAirmail وSpark على قرصك بنسخ من المرفقات والرسائل المنزّلة. إزالتها آمنة ما دام بريدك باقيًا على خادم البريد: تُنزَّل الرسائل ومرفقاتها من جديد عند فتحها.</translation>
    </message>
    <message>
        <source>Show Downloads Folder</source>
        <translation>إظهار مجلد التنزيلات</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutPopover</name>
    <message>
        <source>Applications remainders</source>
        <translation>بقايا التطبيقات</translation>
    </message>
    <message>
        <source>Settings, caches and support files left behind by applications you have removed. Nothing uses them any more, so removing them is safe. They come back only if you install those applications again.</source>
        <translation>إعدادات وملفات تخزين مؤقت وملفات دعم خلّفتها تطبيقات أزلتها. لم يعد شيء يستخدمها، لذا فإن إزالتها آمنة. لا تعود إلا إذا ثبّتّ تلك التطبيقات من جديد.</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>ملفات التثبيت</translation>
    </message>
    <message>
        <source>Disk images and installer packages you downloaded to install applications. Once an application is installed its installer is no longer needed, so removing them is safe. They do not come back: download the installer again if you ever need it.</source>
        <translation>صور أقراص وحزم تثبيت نزّلتها لتثبيت تطبيقات. بعد تثبيت التطبيق لا تعود هناك حاجة إلى برنامج تثبيته، لذا فإن إزالتها آمنة. لا تعود من تلقاء نفسها: نزّل برنامج التثبيت من جديد إذا احتجت إليه يومًا.</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutTrash</name>
    <message>
        <source>Trash Bin</source>
        <translation>سلة المهملات</translation>
    </message>
    <message>
        <source>Files and folders you moved to the Trash. Removing them deletes them for good, so look inside first if you are not sure. The Trash fills again as you delete files.</source>
        <translation>ملفات ومجلدات نقلتها إلى سلة المهملات. إزالتها تحذفها نهائيًا، فألقِ نظرة على محتواها أولًا إن لم تكن متأكدًا. تمتلئ السلة من جديد كلما حذفت ملفات.</translation>
    </message>
    <message>
        <source>Show Trash</source>
        <translation>إظهار سلة المهملات</translation>
    </message>
</context>
<context>
    <name>dovrel::AppDelegate</name>
    <message>
        <source>Dovrel Cleaner quit unexpectedly</source>
        <translation>أُغلق Dovrel Cleaner بشكل غير متوقع</translation>
    </message>
    <message>
        <source>Dovrel Cleaner stopped unexpectedly the last time it ran. A report was saved on this computer.</source>
        <translation>توقف Dovrel Cleaner بشكل غير متوقع في آخر مرة عمل فيها. حُفظ تقرير على هذا الحاسوب.</translation>
    </message>
</context>
<context>
    <name>dovrel::CategoryTable</name>
    <message>
        <source>Applications caches</source>
        <translation>ملفات التخزين المؤقت للتطبيقات</translation>
    </message>
    <message>
        <source>Applications logs</source>
        <translation>سجلات التطبيقات</translation>
    </message>
    <message>
        <source>Applications remainders</source>
        <translation>بقايا التطبيقات</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>المتصفحات</translation>
    </message>
    <message>
        <source>Mail attachments</source>
        <translation>مرفقات البريد</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>ملفات التثبيت</translation>
    </message>
    <message>
        <source>Trash Bin</source>
        <translation>سلة المهملات</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanItemMenu</name>
    <message>
        <source>Show in File Manager</source>
        <translation>إظهار في مدير الملفات</translation>
    </message>
    <message>
        <source>Quick Look</source>
        <translation>نظرة سريعة</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>عرض المعلومات</translation>
    </message>
    <message>
        <source>Always Keep</source>
        <translation>الإبقاء دائمًا</translation>
    </message>
    <message>
        <source>Stop Keeping</source>
        <translation>إيقاف الإبقاء</translation>
    </message>
    <message>
        <source>“%1” will always be kept. Preferences lists what is kept.</source>
        <translation>سيُبقى على «%1» دائمًا. تعرض التفضيلات ما يُبقى عليه.</translation>
    </message>
    <message>
        <source>“%1” could not be added to the kept items: %2</source>
        <translation>تعذّرت إضافة «%1» إلى العناصر المُبقاة: %2</translation>
    </message>
    <message>
        <source>“%1” is no longer kept; tick it to remove it.</source>
        <translation>لم يعد «%1» مُبقى عليه؛ ضع علامة عليه لإزالته.</translation>
    </message>
    <message>
        <source>“%1” could not be taken off the kept items: %2</source>
        <translation>تعذّرت إزالة «%1» من العناصر المُبقاة: %2</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanedViewController</name>
    <message>
        <source>Cleanup finished</source>
        <translation>اكتمل التنظيف</translation>
    </message>
    <message>
        <source>cleaned from your home folder</source>
        <translation>نُظّفت من مجلدك الشخصي</translation>
    </message>
    <message>
        <source>Still removing the last files...</source>
        <translation>جارٍ إزالة آخر الملفات…</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>إظهار القائمة</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>السبب</translation>
    </message>
    <message>
        <source>Scan Again</source>
        <translation>الفحص من جديد</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>moved to the Trash, freed when it is emptied</source>
        <translation>نُقلت إلى سلة المهملات، وتُحرَّر مساحتها عند إفراغها</translation>
    </message>
    <message>
        <source>moved to the Trash, freed when it is emptied; %1 removed for good</source>
        <translation>نُقلت إلى سلة المهملات، وتُحرَّر مساحتها عند إفراغها؛ وأُزيل %1 نهائيًا</translation>
    </message>
    <message>
        <source>1 location could not be removed.</source>
        <translation>تعذّرت إزالة موقع واحد.</translation>
    </message>
    <message>
        <source>%1 locations could not be removed.</source>
        <translation>تعذّرت إزالة %1 من المواقع.</translation>
    </message>
    <message>
        <source>Hide List</source>
        <translation>إخفاء القائمة</translation>
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
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>Finds caches, logs, leftovers and other clutter in your home folder and removes what you choose.</source>
        <translation>يعثر على ملفات التخزين المؤقت والسجلات والبقايا وغيرها من الفوضى في مجلدك الشخصي ويزيل ما تختاره.</translation>
    </message>
    <message>
        <source>&amp;Dovrel Cleaner</source>
        <translation>&amp;Dovrel Cleaner</translation>
    </message>
    <message>
        <source>About Dovrel Cleaner</source>
        <translation>عن Dovrel Cleaner</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>التفضيلات…</translation>
    </message>
    <message>
        <source>Quit Dovrel Cleaner</source>
        <translation>إنهاء Dovrel Cleaner</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;مساعدة</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>إرسال ملاحظات…</translation>
    </message>
</context>
<context>
    <name>dovrel::CleaningChoice</name>
    <message>
        <source>When cleaning:</source>
        <translation>عند التنظيف:</translation>
    </message>
    <message>
        <source>Delete permanently</source>
        <translation>الحذف نهائيًا</translation>
    </message>
    <message>
        <source>Move to the Trash</source>
        <translation>النقل إلى سلة المهملات</translation>
    </message>
    <message>
        <source>When cleaning</source>
        <translation>عند التنظيف</translation>
    </message>
</context>
<context>
    <name>dovrel::EnableSchedulerViewController</name>
    <message>
        <source>Cleanup reminders</source>
        <translation>تذكيرات التنظيف</translation>
    </message>
    <message>
        <source>Remind me to clean up?</source>
        <translation>هل تريد تذكيرك بالتنظيف؟</translation>
    </message>
    <message>
        <source>Dovrel Cleaner can remind you to clean up every few weeks. The reminder starts with your session; you can switch it off in Preferences at any time.</source>
        <translation>يستطيع Dovrel Cleaner تذكيرك بالتنظيف كل بضعة أسابيع. يبدأ التذكير مع جلستك، ويمكنك إيقافه من التفضيلات في أي وقت.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>ليس الآن</translation>
    </message>
    <message>
        <source>Remind Me</source>
        <translation>ذكّرني</translation>
    </message>
</context>
<context>
    <name>dovrel::FeedbackDialog</name>
    <message>
        <source>Send Feedback</source>
        <translation>إرسال ملاحظات</translation>
    </message>
    <message>
        <source>Tell us what you like, what is missing or what went wrong. Your message is saved as a text file in the folder “%1” on this computer; nothing is sent over the network.</source>
        <translation>أخبرنا بما يعجبك وما ينقص وما لم يعمل كما ينبغي. تُحفظ رسالتك ملفًا نصيًا في المجلد «%1» على هذا الحاسوب؛ ولا يُرسل أي شيء عبر الشبكة.</translation>
    </message>
    <message>
        <source>Your feedback</source>
        <translation>ملاحظاتك</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>إرسال</translation>
    </message>
    <message>
        <source>Thank you. Your feedback was saved in the file “%1”.</source>
        <translation>شكرًا لك. حُفظت ملاحظاتك في الملف «%1».</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Your feedback could not be saved in the folder “%1”. Your text is still here: copy it before you close this window.</source>
        <translation>تعذّر حفظ ملاحظاتك في المجلد «%1». نصّك لا يزال هنا: انسخه قبل إغلاق هذه النافذة.</translation>
    </message>
</context>
<context>
    <name>dovrel::FinishingCleanupNotice</name>
    <message>
        <source>Finishing the cleanup…</source>
        <translation>جارٍ إنهاء التنظيف…</translation>
    </message>
    <message>
        <source>Stop Now</source>
        <translation>إيقاف الآن</translation>
    </message>
    <message>
        <source>Dovrel Cleaner quits as soon as it has finished removing the item it is working on. The rest of your selection stays where it is.</source>
        <translation>سيُغلق Dovrel Cleaner فور انتهائه من إزالة العنصر الذي يعمل عليه. يبقى باقي ما اخترته في مكانه.</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>جارٍ الإيقاف…</translation>
    </message>
    <message>
        <source>%1 removed so far</source>
        <translation>أُزيل %1 حتى الآن</translation>
    </message>
</context>
<context>
    <name>dovrel::FolderGrants</name>
    <message>
        <source>Allow</source>
        <translation>سماح</translation>
    </message>
    <message>
        <source>Choose Your Home Folder</source>
        <translation>اختر مجلدك الشخصي</translation>
    </message>
    <message>
        <source>Choose the Applications Folder</source>
        <translation>اختر مجلد التطبيقات</translation>
    </message>
    <message>
        <source>“%1” is not your home folder. Please choose the folder named “%2” (%3).</source>
        <translation>«%1» ليس مجلدك الشخصي. يُرجى اختيار المجلد المسمى «%2» (%3).</translation>
    </message>
    <message>
        <source>“%1” is not an Applications folder. Please choose the folder named “Applications” (%2).</source>
        <translation>«%1» ليس مجلد تطبيقات. يُرجى اختيار المجلد المسمى «Applications» (%2).</translation>
    </message>
    <message>
        <source>“%1” is not an Applications folder. Please choose a folder named “Applications”.</source>
        <translation>«%1» ليس مجلد تطبيقات. يُرجى اختيار مجلد مسمى «Applications».</translation>
    </message>
</context>
<context>
    <name>dovrel::HomeViewController</name>
    <message>
        <source>Time for a clean-up</source>
        <translation>حان وقت التنظيف</translation>
    </message>
    <message>
        <source>Smart Scan looks through caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash.</source>
        <translation>يفحص الفحص الذكي ملفات التخزين المؤقت والسجلات وبقايا التطبيقات المُزالة وبيانات المتصفحات ومرفقات البريد وبرامج التثبيت وسلة المهملات.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>فحص</translation>
    </message>
    <message>
        <source>Starts a smart scan</source>
        <translation>يبدأ فحصًا ذكيًا</translation>
    </message>
    <message>
        <source>Applications caches</source>
        <translation>ملفات التخزين المؤقت للتطبيقات</translation>
    </message>
    <message>
        <source>Applications logs</source>
        <translation>سجلات التطبيقات</translation>
    </message>
    <message>
        <source>Applications remainders</source>
        <translation>بقايا التطبيقات</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>المتصفحات</translation>
    </message>
    <message>
        <source>Mail attachments</source>
        <translation>مرفقات البريد</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>ملفات التثبيت</translation>
    </message>
    <message>
        <source>Trash Bin</source>
        <translation>سلة المهملات</translation>
    </message>
</context>
<context>
    <name>dovrel::ItemFacts</name>
    <message>
        <source>Folder</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>Symbolic link</source>
        <translation>رابط رمزي</translation>
    </message>
    <message>
        <source>FIFO (named pipe)</source>
        <translation>FIFO (أنبوب مسمى)</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>مقبس</translation>
    </message>
    <message>
        <source>Character device</source>
        <translation>جهاز محرفي</translation>
    </message>
    <message>
        <source>Block device</source>
        <translation>جهاز كتلي</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>مستند</translation>
    </message>
</context>
<context>
    <name>dovrel::ItemInfoWindow</name>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>المكان</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>On disk</source>
        <translation>على القرص</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>تاريخ التعديل</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>تاريخ الإنشاء</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>الأذونات</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>المالك</translation>
    </message>
    <message>
        <source>%1, less than its size: some files in it are sparse or compressed and take less room on the disk than they hold</source>
        <translation>%1، أقل من حجمه: بعض الملفات بداخله متفرقة أو مضغوطة وتشغل على القرص مساحة أقل مما تحتويه</translation>
    </message>
    <message>
        <source>%1, less than its size: the file is sparse or compressed and takes less room on the disk than it holds</source>
        <translation>%1، أقل من حجمه: الملف متفرق أو مضغوط ويشغل على القرص مساحة أقل مما يحتويه</translation>
    </message>
    <message>
        <source>%1 Info</source>
        <translation>معلومات %1</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>This item is no longer there.</source>
        <translation>لم يعد هذا العنصر موجودًا.</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 بايت)</translation>
    </message>
    <message>
        <source>, not all of it could be read</source>
        <translation>، تعذّرت قراءة بعضه</translation>
    </message>
</context>
<context>
    <name>dovrel::LayoutChoice</name>
    <message>
        <source>Home folder layout:</source>
        <translation>تخطيط المجلد الشخصي:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>Home folder layout</source>
        <translation>تخطيط المجلد الشخصي</translation>
    </message>
</context>
<context>
    <name>dovrel::Page1PrivacyFullDisk</name>
    <message>
        <source>Dovrel Cleaner needs to read protected files</source>
        <translation>يحتاج Dovrel Cleaner إلى قراءة ملفات محمية</translation>
    </message>
    <message>
        <source>Some data in your home folder, such as the browser files under Library, can only be read with full access. Without it Dovrel Cleaner cannot measure or clean them.</source>
        <translation>لا يمكن قراءة بعض البيانات في مجلدك الشخصي، مثل ملفات المتصفحات تحت Library، إلا بوصول كامل. من دونه لا يستطيع Dovrel Cleaner قياسها ولا تنظيفها.</translation>
    </message>
</context>
<context>
    <name>dovrel::Page2PrivacyFullDisk</name>
    <message>
        <source>Allow your account to read them</source>
        <translation>اسمح لحسابك بقراءتها</translation>
    </message>
    <message>
        <source>On Linux there is no Full Disk Access list: a file can be read when your account has read permission for it. Press “Open Settings” to show the protected file in your file manager, open its Properties and allow reading for your account. If Dovrel Cleaner runs in a sandbox (Flatpak or Snap), also give it access to your home folder in that system&apos;s permission settings.</source>
        <translation>لا توجد في لينكس قائمة للوصول الكامل إلى القرص: يمكن قراءة الملف متى كان لحسابك إذن القراءة عليه. اضغط «فتح الإعدادات» لإظهار الملف المحمي في مدير الملفات، وافتح خصائصه واسمح لحسابك بالقراءة. وإن كان Dovrel Cleaner يعمل في بيئة معزولة (Flatpak أو Snap)، فامنحه أيضًا الوصول إلى مجلدك الشخصي في إعدادات الأذونات لذلك النظام.</translation>
    </message>
</context>
<context>
    <name>dovrel::Page3PrivacyFullDisk</name>
    <message>
        <source>Check the access</source>
        <translation>التحقق من الوصول</translation>
    </message>
    <message>
        <source>When you have allowed reading, press “Confirm”. Dovrel Cleaner checks the access and closes this window once it can read the protected files.</source>
        <translation>بعد السماح بالقراءة، اضغط «تأكيد». يتحقق Dovrel Cleaner من الوصول ويغلق هذه النافذة حالما يتمكن من قراءة الملفات المحمية.</translation>
    </message>
</context>
<context>
    <name>dovrel::PreferencesViewController</name>
    <message>
        <source>Preferences</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>التذكيرات</translation>
    </message>
    <message>
        <source>Remind me to clean up regularly</source>
        <translation>ذكّرني بالتنظيف بانتظام</translation>
    </message>
    <message>
        <source>A small helper starts with your session and tells you when it is time for a clean-up.</source>
        <translation>يبدأ برنامج مساعد صغير مع جلستك ويخبرك عندما يحين وقت التنظيف.</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>المجلدات</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>المجلد الشخصي</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>التطبيقات</translation>
    </message>
    <message>
        <source>Kept Items</source>
        <translation>العناصر المُبقاة</translation>
    </message>
    <message>
        <source>Never offered for removal, with everything inside them.</source>
        <translation>لا تُعرض للإزالة أبدًا، مع كل ما بداخلها.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Remove Kept Item</source>
        <translation>إزالة عنصر مُبقى</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>إضافة…</translation>
    </message>
    <message>
        <source>Add Kept Folder…</source>
        <translation>إضافة مجلد للإبقاء عليه…</translation>
    </message>
    <message>
        <source>Cleaned So Far</source>
        <translation>ما نُظّف حتى الآن</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>تغيير…</translation>
    </message>
    <message>
        <source>Change Home Folder…</source>
        <translation>تغيير المجلد الشخصي…</translation>
    </message>
    <message>
        <source>Change Applications Folder…</source>
        <translation>تغيير مجلد التطبيقات…</translation>
    </message>
    <message>
        <source>%1 removed in all clean-ups.</source>
        <translation>أُزيل %1 في جميع عمليات التنظيف.</translation>
    </message>
    <message>
        <source>Nothing has been cleaned yet.</source>
        <translation>لم يُنظَّف أي شيء بعد.</translation>
    </message>
    <message>
        <source>“%1” could not be taken off the kept items: %2</source>
        <translation>تعذّرت إزالة «%1» من العناصر المُبقاة: %2</translation>
    </message>
    <message>
        <source>Keep a Folder</source>
        <translation>الإبقاء على مجلد</translation>
    </message>
    <message>
        <source>Always Keep</source>
        <translation>الإبقاء دائمًا</translation>
    </message>
    <message>
        <source>“%1” could not be kept: %2</source>
        <translation>تعذّر الإبقاء على «%1»: %2</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>لم يُختر</translation>
    </message>
    <message>
        <source>No folder is allowed yet.</source>
        <translation>لم يُسمح بأي مجلد بعد.</translation>
    </message>
    <message>
        <source>This folder is gone. Please choose it again.</source>
        <translation>لم يعد هذا المجلد موجودًا. يُرجى اختياره من جديد.</translation>
    </message>
    <message>
        <source>This folder was replaced since you allowed it. Please choose it again.</source>
        <translation>استُبدل هذا المجلد منذ أن سمحت به. يُرجى اختياره من جديد.</translation>
    </message>
    <message>
        <source>This folder is not named “%1”. Please choose the right one.</source>
        <translation>اسم هذا المجلد ليس «%1». يُرجى اختيار المجلد الصحيح.</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>التنظيف</translation>
    </message>
</context>
<context>
    <name>dovrel::PreviewLoader</name>
    <message>
        <source>This image is too large to preview.</source>
        <translation>هذه الصورة أكبر من أن تُعاين.</translation>
    </message>
    <message>
        <source>This image cannot be read.</source>
        <translation>تتعذّر قراءة هذه الصورة.</translation>
    </message>
    <message>
        <source>This document is too large to preview.</source>
        <translation>هذا المستند أكبر من أن يُعاين.</translation>
    </message>
    <message>
        <source>This document cannot be read.</source>
        <translation>تتعذّر قراءة هذا المستند.</translation>
    </message>
    <message>
        <source>“%1” is no longer there.</source>
        <translation>لم يعد «%1» موجودًا.</translation>
    </message>
</context>
<context>
    <name>dovrel::PreviewPanel</name>
    <message>
        <source>Preview</source>
        <translation>معاينة</translation>
    </message>
    <message>
        <source>Preview picture</source>
        <translation>صورة المعاينة</translation>
    </message>
    <message>
        <source>Start of the file</source>
        <translation>بداية الملف</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Folder contents</source>
        <translation>محتويات المجلد</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>جارٍ التحميل…</translation>
    </message>
    <message>
        <source>Only the start of the file is shown.</source>
        <translation>تُعرض بداية الملف فقط.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n items are listed.</source>
        <translation>
            <numerusform>لا يُسرد أي عنصر.</numerusform>
            <numerusform>يُسرد العنصر الأول فقط.</numerusform>
            <numerusform>يُسرد العنصران الأولان فقط.</numerusform>
            <numerusform>تُسرد أول %n عناصر فقط.</numerusform>
            <numerusform>يُسرد أول %n عنصرًا فقط.</numerusform>
            <numerusform>يُسرد أول %n عنصر فقط.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 item, %1</source>
        <translation>عنصر واحد، %1</translation>
    </message>
    <message numerus="yes">
        <source>%n items, %1</source>
        <translation>
            <numerusform>لا عناصر، %1</numerusform>
            <numerusform>عنصر واحد، %1</numerusform>
            <numerusform>عنصران، %1</numerusform>
            <numerusform>%n عناصر، %1</numerusform>
            <numerusform>%n عنصرًا، %1</numerusform>
            <numerusform>%n عنصر، %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Points to: %1</source>
        <translation>يشير إلى: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>تاريخ الإنشاء: %1</translation>
    </message>
    <message>
        <source>Modified: %1</source>
        <translation>تاريخ التعديل: %1</translation>
    </message>
    <message>
        <source>Last opened: %1</source>
        <translation>آخر فتح: %1</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyDiskAccessViewController</name>
    <message>
        <source>Open Settings</source>
        <translation>فتح الإعدادات</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>تأكيد</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyFullDiskPage</name>
    <message>
        <source>Step %1 of 3</source>
        <translation>الخطوة %1 من 3</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyFullDiskWindowController</name>
    <message>
        <source>Full Disk Access</source>
        <translation>الوصول الكامل إلى القرص</translation>
    </message>
</context>
<context>
    <name>dovrel::RevealNotice</name>
    <message>
        <source>Opening the file manager…</source>
        <translation>جارٍ فتح مدير الملفات…</translation>
    </message>
    <message>
        <source>No file manager could be opened to show “%1”.</source>
        <translation>تعذّر فتح أي مدير ملفات لإظهار «%1».</translation>
    </message>
    <message>
        <source>Not scanned: “%1” is a symbolic link, and what it leads to is not part of your home folder.</source>
        <translation>لم يُفحص: «%1» رابط رمزي، وما يشير إليه ليس جزءًا من مجلدك الشخصي.</translation>
    </message>
    <message>
        <source>Left alone: “%1”, because its .trashinfo file is not a regular file.</source>
        <translation>تُرك كما هو: «%1»، لأن ملف ‎.trashinfo الخاص به ليس ملفًا عاديًا.</translation>
    </message>
    <message>
        <source>One more place was left out for a like reason.</source>
        <translation>استُبعد موقع آخر لسبب مشابه.</translation>
    </message>
    <message>
        <source>%1 more places were left out for like reasons.</source>
        <translation>استُبعد %1 من المواقع الأخرى لأسباب مشابهة.</translation>
    </message>
</context>
<context>
    <name>dovrel::SandboxViewController</name>
    <message>
        <source>Allow access to your folders</source>
        <translation>اسمح بالوصول إلى مجلداتك</translation>
    </message>
    <message>
        <source>Dovrel Cleaner looks for clutter only where you let it. Please choose your home folder and the Applications folder.</source>
        <translation>لا يبحث Dovrel Cleaner عن الفوضى إلا حيث تسمح له. يُرجى اختيار مجلدك الشخصي ومجلد التطبيقات.</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>المجلد الشخصي</translation>
    </message>
    <message>
        <source>the folder named “%1”</source>
        <translation>المجلد المسمى «%1»</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>التطبيقات</translation>
    </message>
    <message>
        <source>the folder named “Applications”</source>
        <translation>المجلد المسمى «Applications»</translation>
    </message>
    <message>
        <source>Allow Home Folder</source>
        <translation>السماح بالمجلد الشخصي</translation>
    </message>
    <message>
        <source>Allow Applications Folder</source>
        <translation>السماح بمجلد التطبيقات</translation>
    </message>
    <message>
        <source>Why does Dovrel Cleaner need access?</source>
        <translation>لماذا يحتاج Dovrel Cleaner إلى الوصول؟</translation>
    </message>
    <message>
        <source>Dovrel Cleaner looks for clutter only where you let it. Please choose your home folder.</source>
        <translation>لا يبحث Dovrel Cleaner عن الفوضى إلا حيث تسمح له. يُرجى اختيار مجلدك الشخصي.</translation>
    </message>
    <message>
        <source>✓ Home Folder Allowed</source>
        <translation>✓ سُمح بالمجلد الشخصي</translation>
    </message>
    <message>
        <source>✓ Applications Allowed</source>
        <translation>✓ سُمح بالتطبيقات</translation>
    </message>
    <message>
        <source>“%1” cannot be opened as a folder. Please choose it again.</source>
        <translation>يتعذّر فتح «%1» مجلدًا. يُرجى اختياره من جديد.</translation>
    </message>
    <message>
        <source>Why Dovrel Cleaner needs access</source>
        <translation>لماذا يحتاج Dovrel Cleaner إلى الوصول</translation>
    </message>
    <message>
        <source>Dovrel Cleaner only reads the folders you allow.</source>
        <translation>لا يقرأ Dovrel Cleaner إلا المجلدات التي تسمح بها.</translation>
    </message>
    <message>
        <source>It looks for caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash inside your home folder. It reads the Applications folder to learn which applications are still installed, so that what they keep is never taken for a leftover. Nothing is removed until you have chosen it and pressed the remove button.</source>
        <translation>يبحث في مجلدك الشخصي عن ملفات التخزين المؤقت والسجلات وبقايا التطبيقات المُزالة وبيانات المتصفحات ومرفقات البريد وبرامج التثبيت وسلة المهملات. ويقرأ مجلد التطبيقات ليعرف أي التطبيقات لا تزال مثبّتة، فلا يُحسب ما تحتفظ به بقايا أبدًا. لا يُزال شيء حتى تختاره وتضغط زر الإزالة.</translation>
    </message>
    <message>
        <source>It looks for caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash inside your home folder. It learns which applications are still installed from the system&apos;s application list, so that what they keep is never taken for a leftover. Nothing is removed until you have chosen it and pressed the remove button.</source>
        <translation>يبحث في مجلدك الشخصي عن ملفات التخزين المؤقت والسجلات وبقايا التطبيقات المُزالة وبيانات المتصفحات ومرفقات البريد وبرامج التثبيت وسلة المهملات. ويعرف أي التطبيقات لا تزال مثبّتة من قائمة التطبيقات في النظام، فلا يُحسب ما تحتفظ به بقايا أبدًا. لا يُزال شيء حتى تختاره وتضغط زر الإزالة.</translation>
    </message>
    <message>
        <source>Open Web Page</source>
        <translation>فتح صفحة الويب</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at %1.</source>
        <translation>تعذّر فتح أي متصفح ويب. الصفحة موجودة على %1.</translation>
    </message>
</context>
<context>
    <name>dovrel::Scroller</name>
    <message>
        <source>Scroll bar</source>
        <translation>شريط التمرير</translation>
    </message>
</context>
<context>
    <name>dovrel::SelectBrowsers</name>
    <message>
        <source>Choose the browsers to clean</source>
        <translation>اختر المتصفحات المراد تنظيفها</translation>
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
        <translation>تحتفظ المتصفحات التي تزيل العلامة عنها ببياناتها.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanOutlineModel</name>
    <message>
        <source>%1 kept</source>
        <translation>مُبقاة: %1</translation>
    </message>
    <message>
        <source>always kept</source>
        <translation>مُبقى دائمًا</translation>
    </message>
    <message>
        <source>Close %1 to clean its site data</source>
        <translation>أغلق %1 لتنظيف بيانات مواقعه</translation>
    </message>
    <message>
        <source>Nothing found</source>
        <translation>لم يُعثر على شيء</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanOutlineView</name>
    <message>
        <source>Show</source>
        <translation>إظهار</translation>
    </message>
    <message>
        <source>Scan results</source>
        <translation>نتائج الفحص</translation>
    </message>
    <message>
        <source>Tick what to remove. Space ticks the focused row, the arrow keys open and close a category.</source>
        <translation>ضع علامة على ما تريد إزالته. يضع مفتاح المسافة علامة على الصف المحدد، وتفتح مفاتيح الأسهم الفئة وتغلقها.</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>إخفاء</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>إخفاء %1</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>إظهار %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>حول %1</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanViewController</name>
    <message>
        <source>Smart Scan results</source>
        <translation>نتائج الفحص الذكي</translation>
    </message>
    <message>
        <source>Untick what you want to keep. Everything ticked is removed for good.</source>
        <translation>أزل العلامة عمّا تريد الإبقاء عليه. كل ما عليه علامة يُزال نهائيًا.</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>محدد</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Remove the ticked items</source>
        <translation>إزالة العناصر المحددة</translation>
    </message>
    <message>
        <source>Selected size</source>
        <translation>الحجم المحدد</translation>
    </message>
    <message>
        <source>Selected size: %1</source>
        <translation>الحجم المحدد: %1</translation>
    </message>
    <message>
        <source>The keep list is not available.</source>
        <translation>قائمة العناصر المُبقاة غير متاحة.</translation>
    </message>
    <message>
        <source>Untick what you want to keep. Everything ticked goes to the Trash.</source>
        <translation>أزل العلامة عمّا تريد الإبقاء عليه. كل ما عليه علامة يُنقل إلى سلة المهملات.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanupViewController</name>
    <message>
        <source>Removing the selected files...</source>
        <translation>جارٍ إزالة الملفات المحددة…</translation>
    </message>
    <message>
        <source>Selected files are removed for good; nothing goes to the Trash.</source>
        <translation>تُزال الملفات المحددة نهائيًا؛ ولا يذهب شيء إلى سلة المهملات.</translation>
    </message>
    <message>
        <source>Cleanup complete...</source>
        <translation>اكتمل التنظيف…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>Moving the selected files to the Trash...</source>
        <translation>جارٍ نقل الملفات المحددة إلى سلة المهملات…</translation>
    </message>
    <message>
        <source>Selected files go to the Trash; what was in the Trash is removed for good.</source>
        <translation>تُنقل الملفات المحددة إلى سلة المهملات؛ وما كان فيها من قبل يُزال نهائيًا.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartScanViewController</name>
    <message>
        <source>Looking for files you can safely remove…</source>
        <translation>جارٍ البحث عن ملفات يمكنك إزالتها بأمان…</translation>
    </message>
    <message>
        <source>Waiting for the last cleanup to finish…</source>
        <translation>جارٍ انتظار انتهاء التنظيف الأخير…</translation>
    </message>
    <message>
        <source>Scan in &quot;%1&quot;</source>
        <translation>الفحص في «%1»</translation>
    </message>
</context>
<context>
    <name>dovrel::agent::AppDelegate</name>
    <message>
        <source>It&apos;s time for cleanup your Mac</source>
        <translation>حان وقت تنظيف جهاز Mac</translation>
    </message>
    <message>
        <source>Launch Dovrel cleaner and perform cleanup of your Mac.</source>
        <translation>شغّل Dovrel Cleaner ونظّف جهاز Mac.</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>تشغيل</translation>
    </message>
</context>
<context>
    <name>dovrel::main</name>
    <message>
        <source>Settings Set Aside</source>
        <translation>نُحّيت الإعدادات جانبًا</translation>
    </message>
    <message>
        <source>A settings file could not be used as it was. It was kept as %1, and what could not be read starts afresh.</source>
        <translation>تعذّر استخدام ملف إعدادات كما هو. حُفظ باسم %1، وما تعذّرت قراءته يبدأ من جديد.</translation>
    </message>
</context>
</TS>
