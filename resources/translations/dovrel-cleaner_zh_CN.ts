<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>dovrel::AboutBrowsers</name>
    <message>
        <source>Browsers</source>
        <translation>浏览器</translation>
    </message>
    <message>
        <source>Google Chrome, Firefox and Safari keep caches, website storage and page thumbnails. Removing them leaves your bookmarks, history and passwords alone, but websites may sign you out and forget their settings. Browsers fill this storage again as you browse.</source>
        <translation>Google Chrome、Firefox 和 Safari 会保存缓存、网站数据和网页缩略图。删除它们不会影响您的书签、历史记录和密码，但网站可能会让您退出登录并忘记其设置。浏览网页时，浏览器会再次填满这些存储空间。</translation>
    </message>
    <message>
        <source>Choose Browsers…</source>
        <translation>选择浏览器…</translation>
    </message>
    <message>
        <source>Google Chrome, Chromium and Firefox keep caches, website storage and page thumbnails. Removing them leaves your bookmarks, history and passwords alone, but websites may sign you out and forget their settings. Browsers fill this storage again as you browse.</source>
        <translation>Google Chrome、Chromium 和 Firefox 会保存缓存、网站数据和网页缩略图。删除它们不会影响您的书签、历史记录和密码，但网站可能会让您退出登录并忘记其设置。浏览网页时，浏览器会再次填满这些存储空间。</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutCaches</name>
    <message>
        <source>Applications caches</source>
        <translation>应用程序缓存</translation>
    </message>
    <message>
        <source>Applications keep copies of data they downloaded or worked out before, so they can start and work faster. Removing caches is safe: your documents and settings stay as they are. Applications rebuild what they need as you use them, so they may start a little slower the first time.</source>
        <translation>应用程序会保存之前下载或计算的数据副本，以便更快地启动和运行。删除缓存是安全的：您的文档和设置保持不变。应用程序会在使用时重新生成所需内容，因此首次启动可能会稍慢一些。</translation>
    </message>
    <message>
        <source>Show Caches Folder</source>
        <translation>显示缓存文件夹</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutLogs</name>
    <message>
        <source>Applications logs</source>
        <translation>应用程序日志</translation>
    </message>
    <message>
        <source>Applications and the system write notes about their work and their errors into log files. Nothing needs old logs to run, so removing them is safe. New logs are written as applications keep running.</source>
        <translation>应用程序和系统会把运行情况和错误记录到日志文件中。运行不需要旧日志，因此删除它们是安全的。应用程序继续运行时会写入新的日志。</translation>
    </message>
    <message>
        <source>Show Logs Folder</source>
        <translation>显示日志文件夹</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutMails</name>
    <message>
        <source>Mail attachments</source>
        <translation>邮件附件</translation>
    </message>
    <message>
        <source>Mail, Airmail and Spark keep copies of attachments and downloaded messages on your disk. Removing them is safe as long as your mail stays on the mail server: messages and their attachments are downloaded again when you open them.</source>
        <translation>Mail、Airmail 和 Spark 会在磁盘上保存附件和已下载邮件的副本。只要邮件仍保留在邮件服务器上，删除它们就是安全的：打开邮件时会重新下载邮件及其附件。</translation>
    </message>
    <message>
        <source>Show Downloads Folder</source>
        <translation>显示下载文件夹</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutPopover</name>
    <message>
        <source>Applications remainders</source>
        <translation>应用程序残留</translation>
    </message>
    <message>
        <source>Settings, caches and support files left behind by applications you have removed. Nothing uses them any more, so removing them is safe. They come back only if you install those applications again.</source>
        <translation>已删除的应用程序留下的设置、缓存和支持文件。它们已不再被使用，因此删除它们是安全的。只有重新安装这些应用程序时，它们才会再次出现。</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>安装文件</translation>
    </message>
    <message>
        <source>Disk images and installer packages you downloaded to install applications. Once an application is installed its installer is no longer needed, so removing them is safe. They do not come back: download the installer again if you ever need it.</source>
        <translation>为安装应用程序而下载的磁盘映像和安装包。应用程序安装完成后就不再需要安装程序，因此删除它们是安全的。删除后不会再出现：如有需要，请重新下载安装程序。</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutTrash</name>
    <message>
        <source>Trash Bin</source>
        <translation>废纸篓</translation>
    </message>
    <message>
        <source>Files and folders you moved to the Trash. Removing them deletes them for good, so look inside first if you are not sure. The Trash fills again as you delete files.</source>
        <translation>您移到废纸篓中的文件和文件夹。删除后将永久清除，如不确定，请先查看其中的内容。删除文件时，废纸篓会再次被填满。</translation>
    </message>
    <message>
        <source>Show Trash</source>
        <translation>显示废纸篓</translation>
    </message>
</context>
<context>
    <name>dovrel::AppDelegate</name>
    <message>
        <source>Dovrel Cleaner quit unexpectedly</source>
        <translation>Dovrel Cleaner 意外退出</translation>
    </message>
    <message>
        <source>Dovrel Cleaner stopped unexpectedly the last time it ran. A report was saved on this computer.</source>
        <translation>Dovrel Cleaner 上次运行时意外停止。已在这台电脑上保存了一份报告。</translation>
    </message>
</context>
<context>
    <name>dovrel::CategoryTable</name>
    <message>
        <source>Applications caches</source>
        <translation>应用程序缓存</translation>
    </message>
    <message>
        <source>Applications logs</source>
        <translation>应用程序日志</translation>
    </message>
    <message>
        <source>Applications remainders</source>
        <translation>应用程序残留</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>浏览器</translation>
    </message>
    <message>
        <source>Mail attachments</source>
        <translation>邮件附件</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>安装文件</translation>
    </message>
    <message>
        <source>Trash Bin</source>
        <translation>废纸篓</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanItemMenu</name>
    <message>
        <source>Show in File Manager</source>
        <translation>在文件管理器中显示</translation>
    </message>
    <message>
        <source>Quick Look</source>
        <translation>快速查看</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>显示简介</translation>
    </message>
    <message>
        <source>Always Keep</source>
        <translation>始终保留</translation>
    </message>
    <message>
        <source>Stop Keeping</source>
        <translation>取消保留</translation>
    </message>
    <message>
        <source>“%1” will always be kept. Preferences lists what is kept.</source>
        <translation>“%1”将始终保留。偏好设置中列出了保留的项目。</translation>
    </message>
    <message>
        <source>“%1” could not be added to the kept items: %2</source>
        <translation>无法将“%1”添加到保留项目：%2</translation>
    </message>
    <message>
        <source>“%1” is no longer kept; tick it to remove it.</source>
        <translation>“%1”不再保留；勾选它即可删除。</translation>
    </message>
    <message>
        <source>“%1” could not be taken off the kept items: %2</source>
        <translation>无法从保留项目中移除“%1”：%2</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanedViewController</name>
    <message>
        <source>Cleanup finished</source>
        <translation>清理完成</translation>
    </message>
    <message>
        <source>cleaned from your home folder</source>
        <translation>已从个人文件夹中清理</translation>
    </message>
    <message>
        <source>Still removing the last files...</source>
        <translation>正在删除最后的文件…</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>显示列表</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Scan Again</source>
        <translation>重新扫描</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>moved to the Trash, freed when it is emptied</source>
        <translation>已移到废纸篓，清空后即可释放</translation>
    </message>
    <message>
        <source>moved to the Trash, freed when it is emptied; %1 removed for good</source>
        <translation>已移到废纸篓，清空后即可释放；%1 已永久删除</translation>
    </message>
    <message>
        <source>1 location could not be removed.</source>
        <translation>有 1 个位置无法删除。</translation>
    </message>
    <message>
        <source>%1 locations could not be removed.</source>
        <translation>有 %1 个位置无法删除。</translation>
    </message>
    <message>
        <source>Hide List</source>
        <translation>隐藏列表</translation>
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
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Finds caches, logs, leftovers and other clutter in your home folder and removes what you choose.</source>
        <translation>查找个人文件夹中的缓存、日志、残留文件和其他杂物，并删除您选择的内容。</translation>
    </message>
    <message>
        <source>&amp;Dovrel Cleaner</source>
        <translation>&amp;Dovrel Cleaner</translation>
    </message>
    <message>
        <source>About Dovrel Cleaner</source>
        <translation>关于 Dovrel Cleaner</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>偏好设置…</translation>
    </message>
    <message>
        <source>Quit Dovrel Cleaner</source>
        <translation>退出 Dovrel Cleaner</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>发送反馈…</translation>
    </message>
</context>
<context>
    <name>dovrel::CleaningChoice</name>
    <message>
        <source>When cleaning:</source>
        <translation>清理时：</translation>
    </message>
    <message>
        <source>Delete permanently</source>
        <translation>永久删除</translation>
    </message>
    <message>
        <source>Move to the Trash</source>
        <translation>移到废纸篓</translation>
    </message>
    <message>
        <source>When cleaning</source>
        <translation>清理时</translation>
    </message>
</context>
<context>
    <name>dovrel::EnableSchedulerViewController</name>
    <message>
        <source>Cleanup reminders</source>
        <translation>清理提醒</translation>
    </message>
    <message>
        <source>Remind me to clean up?</source>
        <translation>要提醒您清理吗？</translation>
    </message>
    <message>
        <source>Dovrel Cleaner can remind you to clean up every few weeks. The reminder starts with your session; you can switch it off in Preferences at any time.</source>
        <translation>Dovrel Cleaner 可以每隔几周提醒您清理一次。提醒程序会随会话启动；您可以随时在偏好设置中将其关闭。</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>以后再说</translation>
    </message>
    <message>
        <source>Remind Me</source>
        <translation>提醒我</translation>
    </message>
</context>
<context>
    <name>dovrel::FeedbackDialog</name>
    <message>
        <source>Send Feedback</source>
        <translation>发送反馈</translation>
    </message>
    <message>
        <source>Tell us what you like, what is missing or what went wrong. Your message is saved as a text file in the folder “%1” on this computer; nothing is sent over the network.</source>
        <translation>告诉我们您喜欢什么、缺少什么或出了什么问题。您的留言将以文本文件形式保存在这台电脑的“%1”文件夹中；不会通过网络发送任何内容。</translation>
    </message>
    <message>
        <source>Your feedback</source>
        <translation>您的反馈</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Thank you. Your feedback was saved in the file “%1”.</source>
        <translation>谢谢。您的反馈已保存在文件“%1”中。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Your feedback could not be saved in the folder “%1”. Your text is still here: copy it before you close this window.</source>
        <translation>无法将您的反馈保存到文件夹“%1”中。您的文字仍在此处：请在关闭此窗口前将其复制。</translation>
    </message>
</context>
<context>
    <name>dovrel::FinishingCleanupNotice</name>
    <message>
        <source>Finishing the cleanup…</source>
        <translation>正在完成清理…</translation>
    </message>
    <message>
        <source>Stop Now</source>
        <translation>立即停止</translation>
    </message>
    <message>
        <source>Dovrel Cleaner quits as soon as it has finished removing the item it is working on. The rest of your selection stays where it is.</source>
        <translation>Dovrel Cleaner 会在删除完当前正在处理的项目后立即退出。您选择的其余内容保持原样。</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>正在停止…</translation>
    </message>
    <message>
        <source>%1 removed so far</source>
        <translation>目前已删除 %1</translation>
    </message>
</context>
<context>
    <name>dovrel::FolderGrants</name>
    <message>
        <source>Allow</source>
        <translation>允许</translation>
    </message>
    <message>
        <source>Choose Your Home Folder</source>
        <translation>选择您的个人文件夹</translation>
    </message>
    <message>
        <source>Choose the Applications Folder</source>
        <translation>选择应用程序文件夹</translation>
    </message>
    <message>
        <source>“%1” is not your home folder. Please choose the folder named “%2” (%3).</source>
        <translation>“%1”不是您的个人文件夹。请选择名为“%2”的文件夹（%3）。</translation>
    </message>
    <message>
        <source>“%1” is not an Applications folder. Please choose the folder named “Applications” (%2).</source>
        <translation>“%1”不是应用程序文件夹。请选择名为“Applications”的文件夹（%2）。</translation>
    </message>
    <message>
        <source>“%1” is not an Applications folder. Please choose a folder named “Applications”.</source>
        <translation>“%1”不是应用程序文件夹。请选择名为“Applications”的文件夹。</translation>
    </message>
</context>
<context>
    <name>dovrel::HomeViewController</name>
    <message>
        <source>Time for a clean-up</source>
        <translation>该清理一下了</translation>
    </message>
    <message>
        <source>Smart Scan looks through caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash.</source>
        <translation>智能扫描会检查缓存、日志、已删除应用程序的残留、浏览器数据、邮件附件、安装程序和废纸篓。</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Starts a smart scan</source>
        <translation>开始智能扫描</translation>
    </message>
    <message>
        <source>Applications caches</source>
        <translation>应用程序缓存</translation>
    </message>
    <message>
        <source>Applications logs</source>
        <translation>应用程序日志</translation>
    </message>
    <message>
        <source>Applications remainders</source>
        <translation>应用程序残留</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>浏览器</translation>
    </message>
    <message>
        <source>Mail attachments</source>
        <translation>邮件附件</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>安装文件</translation>
    </message>
    <message>
        <source>Trash Bin</source>
        <translation>废纸篓</translation>
    </message>
</context>
<context>
    <name>dovrel::ItemFacts</name>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Symbolic link</source>
        <translation>符号链接</translation>
    </message>
    <message>
        <source>FIFO (named pipe)</source>
        <translation>FIFO（命名管道）</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>套接字</translation>
    </message>
    <message>
        <source>Character device</source>
        <translation>字符设备</translation>
    </message>
    <message>
        <source>Block device</source>
        <translation>块设备</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>文稿</translation>
    </message>
</context>
<context>
    <name>dovrel::ItemInfoWindow</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>种类</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>On disk</source>
        <translation>占用磁盘</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>修改时间</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>创建时间</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>权限</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>所有者</translation>
    </message>
    <message>
        <source>%1, less than its size: some files in it are sparse or compressed and take less room on the disk than they hold</source>
        <translation>%1，小于其大小：其中有些文件是稀疏文件或压缩文件，占用的磁盘空间小于其内容</translation>
    </message>
    <message>
        <source>%1, less than its size: the file is sparse or compressed and takes less room on the disk than it holds</source>
        <translation>%1，小于其大小：该文件是稀疏文件或压缩文件，占用的磁盘空间小于其内容</translation>
    </message>
    <message>
        <source>%1 Info</source>
        <translation>%1 简介</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>This item is no longer there.</source>
        <translation>此项目已不存在。</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1（%2 字节）</translation>
    </message>
    <message>
        <source>, not all of it could be read</source>
        <translation>，部分内容无法读取</translation>
    </message>
</context>
<context>
    <name>dovrel::LayoutChoice</name>
    <message>
        <source>Home folder layout:</source>
        <translation>个人文件夹布局：</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Home folder layout</source>
        <translation>个人文件夹布局</translation>
    </message>
</context>
<context>
    <name>dovrel::Page1PrivacyFullDisk</name>
    <message>
        <source>Dovrel Cleaner needs to read protected files</source>
        <translation>Dovrel Cleaner 需要读取受保护的文件</translation>
    </message>
    <message>
        <source>Some data in your home folder, such as the browser files under Library, can only be read with full access. Without it Dovrel Cleaner cannot measure or clean them.</source>
        <translation>个人文件夹中的某些数据（例如 Library 下的浏览器文件）只有在拥有完全访问权限时才能读取。没有该权限，Dovrel Cleaner 无法测量或清理它们。</translation>
    </message>
</context>
<context>
    <name>dovrel::Page2PrivacyFullDisk</name>
    <message>
        <source>Allow your account to read them</source>
        <translation>允许您的帐户读取它们</translation>
    </message>
    <message>
        <source>On Linux there is no Full Disk Access list: a file can be read when your account has read permission for it. Press “Open Settings” to show the protected file in your file manager, open its Properties and allow reading for your account. If Dovrel Cleaner runs in a sandbox (Flatpak or Snap), also give it access to your home folder in that system&apos;s permission settings.</source>
        <translation>Linux 上没有“完全磁盘访问权限”列表：只要您的帐户对文件有读取权限，就可以读取该文件。请按“打开设置”在文件管理器中显示受保护的文件，打开其“属性”，并允许您的帐户读取。如果 Dovrel Cleaner 在沙盒（Flatpak 或 Snap）中运行，还请在该系统的权限设置中授予它访问个人文件夹的权限。</translation>
    </message>
</context>
<context>
    <name>dovrel::Page3PrivacyFullDisk</name>
    <message>
        <source>Check the access</source>
        <translation>检查访问权限</translation>
    </message>
    <message>
        <source>When you have allowed reading, press “Confirm”. Dovrel Cleaner checks the access and closes this window once it can read the protected files.</source>
        <translation>允许读取后，请按“确认”。Dovrel Cleaner 会检查访问权限，能够读取受保护的文件后便会关闭此窗口。</translation>
    </message>
</context>
<context>
    <name>dovrel::PreferencesViewController</name>
    <message>
        <source>Preferences</source>
        <translation>偏好设置</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>提醒</translation>
    </message>
    <message>
        <source>Remind me to clean up regularly</source>
        <translation>定期提醒我清理</translation>
    </message>
    <message>
        <source>A small helper starts with your session and tells you when it is time for a clean-up.</source>
        <translation>一个小助手程序会随会话启动，并在该清理时通知您。</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>个人文件夹</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Kept Items</source>
        <translation>保留的项目</translation>
    </message>
    <message>
        <source>Never offered for removal, with everything inside them.</source>
        <translation>连同其中所有内容，永远不会被建议删除。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Remove Kept Item</source>
        <translation>移除保留的项目</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>添加…</translation>
    </message>
    <message>
        <source>Add Kept Folder…</source>
        <translation>添加保留的文件夹…</translation>
    </message>
    <message>
        <source>Cleaned So Far</source>
        <translation>累计清理</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>更改…</translation>
    </message>
    <message>
        <source>Change Home Folder…</source>
        <translation>更改个人文件夹…</translation>
    </message>
    <message>
        <source>Change Applications Folder…</source>
        <translation>更改应用程序文件夹…</translation>
    </message>
    <message>
        <source>%1 removed in all clean-ups.</source>
        <translation>所有清理共删除了 %1。</translation>
    </message>
    <message>
        <source>Nothing has been cleaned yet.</source>
        <translation>尚未清理任何内容。</translation>
    </message>
    <message>
        <source>“%1” could not be taken off the kept items: %2</source>
        <translation>无法从保留项目中移除“%1”：%2</translation>
    </message>
    <message>
        <source>Keep a Folder</source>
        <translation>保留文件夹</translation>
    </message>
    <message>
        <source>Always Keep</source>
        <translation>始终保留</translation>
    </message>
    <message>
        <source>“%1” could not be kept: %2</source>
        <translation>无法保留“%1”：%2</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>未选择</translation>
    </message>
    <message>
        <source>No folder is allowed yet.</source>
        <translation>尚未允许任何文件夹。</translation>
    </message>
    <message>
        <source>This folder is gone. Please choose it again.</source>
        <translation>此文件夹已不存在。请重新选择。</translation>
    </message>
    <message>
        <source>This folder was replaced since you allowed it. Please choose it again.</source>
        <translation>自您允许以来，此文件夹已被替换。请重新选择。</translation>
    </message>
    <message>
        <source>This folder is not named “%1”. Please choose the right one.</source>
        <translation>此文件夹的名称不是“%1”。请选择正确的文件夹。</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>清理</translation>
    </message>
</context>
<context>
    <name>dovrel::PreviewLoader</name>
    <message>
        <source>This image is too large to preview.</source>
        <translation>此图像太大，无法预览。</translation>
    </message>
    <message>
        <source>This image cannot be read.</source>
        <translation>无法读取此图像。</translation>
    </message>
    <message>
        <source>This document is too large to preview.</source>
        <translation>此文稿太大，无法预览。</translation>
    </message>
    <message>
        <source>This document cannot be read.</source>
        <translation>无法读取此文稿。</translation>
    </message>
    <message>
        <source>“%1” is no longer there.</source>
        <translation>“%1”已不存在。</translation>
    </message>
</context>
<context>
    <name>dovrel::PreviewPanel</name>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Preview picture</source>
        <translation>预览图片</translation>
    </message>
    <message>
        <source>Start of the file</source>
        <translation>文件开头</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Folder contents</source>
        <translation>文件夹内容</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>正在载入…</translation>
    </message>
    <message>
        <source>Only the start of the file is shown.</source>
        <translation>仅显示文件的开头部分。</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n items are listed.</source>
        <translation>
            <numerusform>仅列出前 %n 个项目。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 item, %1</source>
        <translation>1 个项目，%1</translation>
    </message>
    <message numerus="yes">
        <source>%n items, %1</source>
        <translation>
            <numerusform>%n 个项目，%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Points to: %1</source>
        <translation>指向：%1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>创建时间：%1</translation>
    </message>
    <message>
        <source>Modified: %1</source>
        <translation>修改时间：%1</translation>
    </message>
    <message>
        <source>Last opened: %1</source>
        <translation>上次打开时间：%1</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyDiskAccessViewController</name>
    <message>
        <source>Open Settings</source>
        <translation>打开设置</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyFullDiskPage</name>
    <message>
        <source>Step %1 of 3</source>
        <translation>第 %1 步，共 3 步</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyFullDiskWindowController</name>
    <message>
        <source>Full Disk Access</source>
        <translation>完全磁盘访问权限</translation>
    </message>
</context>
<context>
    <name>dovrel::RevealNotice</name>
    <message>
        <source>Opening the file manager…</source>
        <translation>正在打开文件管理器…</translation>
    </message>
    <message>
        <source>No file manager could be opened to show “%1”.</source>
        <translation>无法打开文件管理器来显示“%1”。</translation>
    </message>
    <message>
        <source>Not scanned: “%1” is a symbolic link, and what it leads to is not part of your home folder.</source>
        <translation>未扫描：“%1”是符号链接，其指向的位置不属于您的个人文件夹。</translation>
    </message>
    <message>
        <source>Left alone: “%1”, because its .trashinfo file is not a regular file.</source>
        <translation>未处理：“%1”，因为它的 .trashinfo 文件不是普通文件。</translation>
    </message>
    <message>
        <source>One more place was left out for a like reason.</source>
        <translation>另有 1 个位置因类似原因被略过。</translation>
    </message>
    <message>
        <source>%1 more places were left out for like reasons.</source>
        <translation>另有 %1 个位置因类似原因被略过。</translation>
    </message>
</context>
<context>
    <name>dovrel::SandboxViewController</name>
    <message>
        <source>Allow access to your folders</source>
        <translation>允许访问您的文件夹</translation>
    </message>
    <message>
        <source>Dovrel Cleaner looks for clutter only where you let it. Please choose your home folder and the Applications folder.</source>
        <translation>Dovrel Cleaner 只会在您允许的位置查找杂物。请选择您的个人文件夹和应用程序文件夹。</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>个人文件夹</translation>
    </message>
    <message>
        <source>the folder named “%1”</source>
        <translation>名为“%1”的文件夹</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>the folder named “Applications”</source>
        <translation>名为“Applications”的文件夹</translation>
    </message>
    <message>
        <source>Allow Home Folder</source>
        <translation>允许个人文件夹</translation>
    </message>
    <message>
        <source>Allow Applications Folder</source>
        <translation>允许应用程序文件夹</translation>
    </message>
    <message>
        <source>Why does Dovrel Cleaner need access?</source>
        <translation>Dovrel Cleaner 为什么需要访问权限？</translation>
    </message>
    <message>
        <source>Dovrel Cleaner looks for clutter only where you let it. Please choose your home folder.</source>
        <translation>Dovrel Cleaner 只会在您允许的位置查找杂物。请选择您的个人文件夹。</translation>
    </message>
    <message>
        <source>✓ Home Folder Allowed</source>
        <translation>✓ 已允许个人文件夹</translation>
    </message>
    <message>
        <source>✓ Applications Allowed</source>
        <translation>✓ 已允许应用程序文件夹</translation>
    </message>
    <message>
        <source>“%1” cannot be opened as a folder. Please choose it again.</source>
        <translation>无法将“%1”作为文件夹打开。请重新选择。</translation>
    </message>
    <message>
        <source>Why Dovrel Cleaner needs access</source>
        <translation>Dovrel Cleaner 为什么需要访问权限</translation>
    </message>
    <message>
        <source>Dovrel Cleaner only reads the folders you allow.</source>
        <translation>Dovrel Cleaner 只读取您允许的文件夹。</translation>
    </message>
    <message>
        <source>It looks for caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash inside your home folder. It reads the Applications folder to learn which applications are still installed, so that what they keep is never taken for a leftover. Nothing is removed until you have chosen it and pressed the remove button.</source>
        <translation>它会在您的个人文件夹中查找缓存、日志、已删除应用程序的残留、浏览器数据、邮件附件、安装程序和废纸篓。它读取应用程序文件夹，以了解哪些应用程序仍已安装，从而绝不会把这些应用程序保存的数据误认为残留。在您选择并按下删除按钮之前，不会删除任何内容。</translation>
    </message>
    <message>
        <source>It looks for caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash inside your home folder. It learns which applications are still installed from the system&apos;s application list, so that what they keep is never taken for a leftover. Nothing is removed until you have chosen it and pressed the remove button.</source>
        <translation>它会在您的个人文件夹中查找缓存、日志、已删除应用程序的残留、浏览器数据、邮件附件、安装程序和废纸篓。它通过系统的应用程序列表了解哪些应用程序仍已安装，从而绝不会把这些应用程序保存的数据误认为残留。在您选择并按下删除按钮之前，不会删除任何内容。</translation>
    </message>
    <message>
        <source>Open Web Page</source>
        <translation>打开网页</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at %1.</source>
        <translation>无法打开网页浏览器。该网页位于 %1。</translation>
    </message>
</context>
<context>
    <name>dovrel::Scroller</name>
    <message>
        <source>Scroll bar</source>
        <translation>滚动条</translation>
    </message>
</context>
<context>
    <name>dovrel::SelectBrowsers</name>
    <message>
        <source>Choose the browsers to clean</source>
        <translation>选择要清理的浏览器</translation>
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
        <translation>取消勾选的浏览器将保留其数据。</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanOutlineModel</name>
    <message>
        <source>%1 kept</source>
        <translation>保留 %1 项</translation>
    </message>
    <message>
        <source>always kept</source>
        <translation>始终保留</translation>
    </message>
    <message>
        <source>Close %1 to clean its site data</source>
        <translation>关闭 %1 以清理其网站数据</translation>
    </message>
    <message>
        <source>Nothing found</source>
        <translation>未找到任何内容</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanOutlineView</name>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Scan results</source>
        <translation>扫描结果</translation>
    </message>
    <message>
        <source>Tick what to remove. Space ticks the focused row, the arrow keys open and close a category.</source>
        <translation>勾选要删除的内容。空格键勾选当前行，方向键展开和折叠类别。</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>隐藏 %1</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>显示 %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanViewController</name>
    <message>
        <source>Smart Scan results</source>
        <translation>智能扫描结果</translation>
    </message>
    <message>
        <source>Untick what you want to keep. Everything ticked is removed for good.</source>
        <translation>取消勾选您想保留的内容。所有勾选的内容都将被永久删除。</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>已选择</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Remove the ticked items</source>
        <translation>删除勾选的项目</translation>
    </message>
    <message>
        <source>Selected size</source>
        <translation>已选大小</translation>
    </message>
    <message>
        <source>Selected size: %1</source>
        <translation>已选大小：%1</translation>
    </message>
    <message>
        <source>The keep list is not available.</source>
        <translation>保留列表不可用。</translation>
    </message>
    <message>
        <source>Untick what you want to keep. Everything ticked goes to the Trash.</source>
        <translation>取消勾选您想保留的内容。所有勾选的内容都将移到废纸篓。</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanupViewController</name>
    <message>
        <source>Removing the selected files...</source>
        <translation>正在删除所选文件…</translation>
    </message>
    <message>
        <source>Selected files are removed for good; nothing goes to the Trash.</source>
        <translation>所选文件将被永久删除，不会移到废纸篓。</translation>
    </message>
    <message>
        <source>Cleanup complete...</source>
        <translation>清理完成…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Moving the selected files to the Trash...</source>
        <translation>正在将所选文件移到废纸篓…</translation>
    </message>
    <message>
        <source>Selected files go to the Trash; what was in the Trash is removed for good.</source>
        <translation>所选文件将移到废纸篓；废纸篓中原有的内容将被永久删除。</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartScanViewController</name>
    <message>
        <source>Looking for files you can safely remove…</source>
        <translation>正在查找可以安全删除的文件…</translation>
    </message>
    <message>
        <source>Waiting for the last cleanup to finish…</source>
        <translation>正在等待上次清理完成…</translation>
    </message>
    <message>
        <source>Scan in &quot;%1&quot;</source>
        <translation>正在扫描“%1”</translation>
    </message>
</context>
<context>
    <name>dovrel::agent::AppDelegate</name>
    <message>
        <source>It&apos;s time for cleanup your Mac</source>
        <translation>该清理您的 Mac 了</translation>
    </message>
    <message>
        <source>Launch Dovrel cleaner and perform cleanup of your Mac.</source>
        <translation>启动 Dovrel Cleaner，清理您的 Mac。</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>启动</translation>
    </message>
</context>
<context>
    <name>dovrel::main</name>
    <message>
        <source>Settings Set Aside</source>
        <translation>设置已另存</translation>
    </message>
    <message>
        <source>A settings file could not be used as it was. It was kept as %1, and what could not be read starts afresh.</source>
        <translation>某个设置文件无法按原样使用。它已保存为 %1，无法读取的部分将重新开始。</translation>
    </message>
</context>
</TS>
