<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>dovrel::AboutBrowsers</name>
    <message>
        <source>Browsers</source>
        <translation>ブラウザ</translation>
    </message>
    <message>
        <source>Google Chrome, Firefox and Safari keep caches, website storage and page thumbnails. Removing them leaves your bookmarks, history and passwords alone, but websites may sign you out and forget their settings. Browsers fill this storage again as you browse.</source>
        <translation>Google Chrome、Firefox、Safari は、キャッシュ、Web サイトのデータ、ページのサムネールを保存しています。削除してもブックマーク、履歴、パスワードはそのまま残りますが、Web サイトからサインアウトされたり、サイトの設定が失われたりすることがあります。ブラウズするうちに、ブラウザはこの領域を再び使い始めます。</translation>
    </message>
    <message>
        <source>Choose Browsers…</source>
        <translation>ブラウザを選択…</translation>
    </message>
    <message>
        <source>Google Chrome, Chromium and Firefox keep caches, website storage and page thumbnails. Removing them leaves your bookmarks, history and passwords alone, but websites may sign you out and forget their settings. Browsers fill this storage again as you browse.</source>
        <translation>Google Chrome、Chromium、Firefox は、キャッシュ、Web サイトのデータ、ページのサムネールを保存しています。削除してもブックマーク、履歴、パスワードはそのまま残りますが、Web サイトからサインアウトされたり、サイトの設定が失われたりすることがあります。ブラウズするうちに、ブラウザはこの領域を再び使い始めます。</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutCaches</name>
    <message>
        <source>Applications caches</source>
        <translation>アプリケーションのキャッシュ</translation>
    </message>
    <message>
        <source>Applications keep copies of data they downloaded or worked out before, so they can start and work faster. Removing caches is safe: your documents and settings stay as they are. Applications rebuild what they need as you use them, so they may start a little slower the first time.</source>
        <translation>アプリケーションは、起動や動作を速くするために、ダウンロードしたデータや計算結果のコピーを保存しています。キャッシュは安全に削除できます。書類や設定はそのまま残ります。アプリケーションは使用中に必要なものを作り直すため、初回は起動が少し遅くなることがあります。</translation>
    </message>
    <message>
        <source>Show Caches Folder</source>
        <translation>キャッシュフォルダを表示</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutLogs</name>
    <message>
        <source>Applications logs</source>
        <translation>アプリケーションのログ</translation>
    </message>
    <message>
        <source>Applications and the system write notes about their work and their errors into log files. Nothing needs old logs to run, so removing them is safe. New logs are written as applications keep running.</source>
        <translation>アプリケーションやシステムは、動作やエラーの記録をログファイルに書き込みます。古いログがなくても動作に支障はないため、安全に削除できます。アプリケーションが動作している間、新しいログが書き込まれます。</translation>
    </message>
    <message>
        <source>Show Logs Folder</source>
        <translation>ログフォルダを表示</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutMails</name>
    <message>
        <source>Mail attachments</source>
        <translation>メールの添付ファイル</translation>
    </message>
    <message>
        <source>Mail, Airmail and Spark keep copies of attachments and downloaded messages on your disk. Removing them is safe as long as your mail stays on the mail server: messages and their attachments are downloaded again when you open them.</source>
        <translation>Mail、Airmail、Spark は、添付ファイルやダウンロードしたメッセージのコピーをディスクに保存しています。メールがメールサーバ上に残っている限り、安全に削除できます。メッセージと添付ファイルは、開いたときに再びダウンロードされます。</translation>
    </message>
    <message>
        <source>Show Downloads Folder</source>
        <translation>ダウンロードフォルダを表示</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutPopover</name>
    <message>
        <source>Applications remainders</source>
        <translation>アプリケーションの残りファイル</translation>
    </message>
    <message>
        <source>Settings, caches and support files left behind by applications you have removed. Nothing uses them any more, so removing them is safe. They come back only if you install those applications again.</source>
        <translation>削除したアプリケーションが残していった設定、キャッシュ、サポートファイルです。もう何にも使われていないため、安全に削除できます。これらのアプリケーションを再インストールしない限り、元に戻ることはありません。</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>インストールファイル</translation>
    </message>
    <message>
        <source>Disk images and installer packages you downloaded to install applications. Once an application is installed its installer is no longer needed, so removing them is safe. They do not come back: download the installer again if you ever need it.</source>
        <translation>アプリケーションをインストールするためにダウンロードしたディスクイメージとインストーラパッケージです。アプリケーションをインストールした後はインストーラは不要なため、安全に削除できます。削除したものは戻りません。必要になったらインストーラを再度ダウンロードしてください。</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutTrash</name>
    <message>
        <source>Trash Bin</source>
        <translation>ゴミ箱</translation>
    </message>
    <message>
        <source>Files and folders you moved to the Trash. Removing them deletes them for good, so look inside first if you are not sure. The Trash fills again as you delete files.</source>
        <translation>ゴミ箱に移動したファイルとフォルダです。削除すると完全に消去されるため、不安な場合は先に中身を確認してください。ファイルを削除すると、ゴミ箱は再びいっぱいになっていきます。</translation>
    </message>
    <message>
        <source>Show Trash</source>
        <translation>ゴミ箱を表示</translation>
    </message>
</context>
<context>
    <name>dovrel::AppDelegate</name>
    <message>
        <source>Dovrel Cleaner quit unexpectedly</source>
        <translation>Dovrel Cleaner が予期せず終了しました</translation>
    </message>
    <message>
        <source>Dovrel Cleaner stopped unexpectedly the last time it ran. A report was saved on this computer.</source>
        <translation>前回の実行時に Dovrel Cleaner が予期せず停止しました。このコンピュータにレポートが保存されています。</translation>
    </message>
</context>
<context>
    <name>dovrel::CategoryTable</name>
    <message>
        <source>Applications caches</source>
        <translation>アプリケーションのキャッシュ</translation>
    </message>
    <message>
        <source>Applications logs</source>
        <translation>アプリケーションのログ</translation>
    </message>
    <message>
        <source>Applications remainders</source>
        <translation>アプリケーションの残りファイル</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>ブラウザ</translation>
    </message>
    <message>
        <source>Mail attachments</source>
        <translation>メールの添付ファイル</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>インストールファイル</translation>
    </message>
    <message>
        <source>Trash Bin</source>
        <translation>ゴミ箱</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanItemMenu</name>
    <message>
        <source>Show in File Manager</source>
        <translation>ファイルマネージャで表示</translation>
    </message>
    <message>
        <source>Quick Look</source>
        <translation>クイックルック</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>情報を見る</translation>
    </message>
    <message>
        <source>Always Keep</source>
        <translation>常に保持</translation>
    </message>
    <message>
        <source>Stop Keeping</source>
        <translation>保持を解除</translation>
    </message>
    <message>
        <source>“%1” will always be kept. Preferences lists what is kept.</source>
        <translation>「%1」は常に保持されます。保持している項目は環境設定に一覧表示されます。</translation>
    </message>
    <message>
        <source>“%1” could not be added to the kept items: %2</source>
        <translation>「%1」を保持項目に追加できませんでした: %2</translation>
    </message>
    <message>
        <source>“%1” is no longer kept; tick it to remove it.</source>
        <translation>「%1」の保持を解除しました。削除するにはチェックを入れてください。</translation>
    </message>
    <message>
        <source>“%1” could not be taken off the kept items: %2</source>
        <translation>「%1」を保持項目から外せませんでした: %2</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanedViewController</name>
    <message>
        <source>Cleanup finished</source>
        <translation>クリーンアップが完了しました</translation>
    </message>
    <message>
        <source>cleaned from your home folder</source>
        <translation>ホームフォルダからクリーンアップしました</translation>
    </message>
    <message>
        <source>Still removing the last files...</source>
        <translation>最後のファイルを削除しています…</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>一覧を表示</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>理由</translation>
    </message>
    <message>
        <source>Scan Again</source>
        <translation>再スキャン</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>moved to the Trash, freed when it is emptied</source>
        <translation>ゴミ箱に移動しました。ゴミ箱を空にすると解放されます</translation>
    </message>
    <message>
        <source>moved to the Trash, freed when it is emptied; %1 removed for good</source>
        <translation>ゴミ箱に移動しました。ゴミ箱を空にすると解放されます。%1 は完全に削除しました</translation>
    </message>
    <message>
        <source>1 location could not be removed.</source>
        <translation>1 か所を削除できませんでした。</translation>
    </message>
    <message>
        <source>%1 locations could not be removed.</source>
        <translation>%1 か所を削除できませんでした。</translation>
    </message>
    <message>
        <source>Hide List</source>
        <translation>一覧を隠す</translation>
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
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Finds caches, logs, leftovers and other clutter in your home folder and removes what you choose.</source>
        <translation>ホームフォルダ内のキャッシュ、ログ、残りファイルなどの不要なファイルを見つけ、選んだものを削除します。</translation>
    </message>
    <message>
        <source>&amp;Dovrel Cleaner</source>
        <translation>&amp;Dovrel Cleaner</translation>
    </message>
    <message>
        <source>About Dovrel Cleaner</source>
        <translation>Dovrel Cleaner について</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>環境設定…</translation>
    </message>
    <message>
        <source>Quit Dovrel Cleaner</source>
        <translation>Dovrel Cleaner を終了</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>フィードバックを送信…</translation>
    </message>
</context>
<context>
    <name>dovrel::CleaningChoice</name>
    <message>
        <source>When cleaning:</source>
        <translation>クリーンアップ時:</translation>
    </message>
    <message>
        <source>Delete permanently</source>
        <translation>完全に削除</translation>
    </message>
    <message>
        <source>Move to the Trash</source>
        <translation>ゴミ箱に移動</translation>
    </message>
    <message>
        <source>When cleaning</source>
        <translation>クリーンアップ時</translation>
    </message>
</context>
<context>
    <name>dovrel::EnableSchedulerViewController</name>
    <message>
        <source>Cleanup reminders</source>
        <translation>クリーンアップのリマインダー</translation>
    </message>
    <message>
        <source>Remind me to clean up?</source>
        <translation>クリーンアップを通知しますか?</translation>
    </message>
    <message>
        <source>Dovrel Cleaner can remind you to clean up every few weeks. The reminder starts with your session; you can switch it off in Preferences at any time.</source>
        <translation>Dovrel Cleaner は数週間ごとにクリーンアップをお知らせできます。リマインダーはセッションと一緒に起動します。環境設定でいつでもオフにできます。</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>Remind Me</source>
        <translation>通知する</translation>
    </message>
</context>
<context>
    <name>dovrel::FeedbackDialog</name>
    <message>
        <source>Send Feedback</source>
        <translation>フィードバックを送信</translation>
    </message>
    <message>
        <source>Tell us what you like, what is missing or what went wrong. Your message is saved as a text file in the folder “%1” on this computer; nothing is sent over the network.</source>
        <translation>気に入った点、足りない点、うまくいかなかった点をお聞かせください。メッセージはこのコンピュータのフォルダ「%1」にテキストファイルとして保存されます。ネットワーク経由では何も送信されません。</translation>
    </message>
    <message>
        <source>Your feedback</source>
        <translation>フィードバック</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Thank you. Your feedback was saved in the file “%1”.</source>
        <translation>ありがとうございます。フィードバックはファイル「%1」に保存されました。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Your feedback could not be saved in the folder “%1”. Your text is still here: copy it before you close this window.</source>
        <translation>フィードバックをフォルダ「%1」に保存できませんでした。テキストはまだ残っています。このウインドウを閉じる前にコピーしてください。</translation>
    </message>
</context>
<context>
    <name>dovrel::FinishingCleanupNotice</name>
    <message>
        <source>Finishing the cleanup…</source>
        <translation>クリーンアップを終了しています…</translation>
    </message>
    <message>
        <source>Stop Now</source>
        <translation>今すぐ停止</translation>
    </message>
    <message>
        <source>Dovrel Cleaner quits as soon as it has finished removing the item it is working on. The rest of your selection stays where it is.</source>
        <translation>Dovrel Cleaner は、処理中の項目の削除が終わりしだい終了します。選択した残りの項目はそのまま残ります。</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>停止しています…</translation>
    </message>
    <message>
        <source>%1 removed so far</source>
        <translation>これまでに %1 を削除</translation>
    </message>
</context>
<context>
    <name>dovrel::FolderGrants</name>
    <message>
        <source>Allow</source>
        <translation>許可</translation>
    </message>
    <message>
        <source>Choose Your Home Folder</source>
        <translation>ホームフォルダを選択</translation>
    </message>
    <message>
        <source>Choose the Applications Folder</source>
        <translation>アプリケーションフォルダを選択</translation>
    </message>
    <message>
        <source>“%1” is not your home folder. Please choose the folder named “%2” (%3).</source>
        <translation>「%1」はホームフォルダではありません。「%2」という名前のフォルダ (%3) を選択してください。</translation>
    </message>
    <message>
        <source>“%1” is not an Applications folder. Please choose the folder named “Applications” (%2).</source>
        <translation>「%1」はアプリケーションフォルダではありません。「Applications」という名前のフォルダ (%2) を選択してください。</translation>
    </message>
    <message>
        <source>“%1” is not an Applications folder. Please choose a folder named “Applications”.</source>
        <translation>「%1」はアプリケーションフォルダではありません。「Applications」という名前のフォルダを選択してください。</translation>
    </message>
</context>
<context>
    <name>dovrel::HomeViewController</name>
    <message>
        <source>Time for a clean-up</source>
        <translation>クリーンアップの時間です</translation>
    </message>
    <message>
        <source>Smart Scan looks through caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash.</source>
        <translation>スマートスキャンは、キャッシュ、ログ、削除したアプリケーションの残りファイル、ブラウザのデータ、メールの添付ファイル、インストーラ、ゴミ箱を調べます。</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>スキャン</translation>
    </message>
    <message>
        <source>Starts a smart scan</source>
        <translation>スマートスキャンを開始します</translation>
    </message>
    <message>
        <source>Applications caches</source>
        <translation>アプリケーションのキャッシュ</translation>
    </message>
    <message>
        <source>Applications logs</source>
        <translation>アプリケーションのログ</translation>
    </message>
    <message>
        <source>Applications remainders</source>
        <translation>アプリケーションの残りファイル</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>ブラウザ</translation>
    </message>
    <message>
        <source>Mail attachments</source>
        <translation>メールの添付ファイル</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>インストールファイル</translation>
    </message>
    <message>
        <source>Trash Bin</source>
        <translation>ゴミ箱</translation>
    </message>
</context>
<context>
    <name>dovrel::ItemFacts</name>
    <message>
        <source>Folder</source>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>Symbolic link</source>
        <translation>シンボリックリンク</translation>
    </message>
    <message>
        <source>FIFO (named pipe)</source>
        <translation>FIFO (名前付きパイプ)</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>ソケット</translation>
    </message>
    <message>
        <source>Character device</source>
        <translation>キャラクタデバイス</translation>
    </message>
    <message>
        <source>Block device</source>
        <translation>ブロックデバイス</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>書類</translation>
    </message>
</context>
<context>
    <name>dovrel::ItemInfoWindow</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>On disk</source>
        <translation>ディスク上</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>変更日</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>作成日</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>アクセス権</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>所有者</translation>
    </message>
    <message>
        <source>%1, less than its size: some files in it are sparse or compressed and take less room on the disk than they hold</source>
        <translation>%1 (サイズより小さい値): 中の一部のファイルがスパースファイルまたは圧縮ファイルで、内容よりも少ないディスク領域しか使用していません</translation>
    </message>
    <message>
        <source>%1, less than its size: the file is sparse or compressed and takes less room on the disk than it holds</source>
        <translation>%1 (サイズより小さい値): このファイルはスパースファイルまたは圧縮ファイルで、内容よりも少ないディスク領域しか使用していません</translation>
    </message>
    <message>
        <source>%1 Info</source>
        <translation>%1 の情報</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>This item is no longer there.</source>
        <translation>この項目はもうありません。</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 バイト)</translation>
    </message>
    <message>
        <source>, not all of it could be read</source>
        <translation>、一部を読み取れませんでした</translation>
    </message>
</context>
<context>
    <name>dovrel::LayoutChoice</name>
    <message>
        <source>Home folder layout:</source>
        <translation>ホームフォルダの構成:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Home folder layout</source>
        <translation>ホームフォルダの構成</translation>
    </message>
</context>
<context>
    <name>dovrel::Page1PrivacyFullDisk</name>
    <message>
        <source>Dovrel Cleaner needs to read protected files</source>
        <translation>Dovrel Cleaner は保護されたファイルを読み取る必要があります</translation>
    </message>
    <message>
        <source>Some data in your home folder, such as the browser files under Library, can only be read with full access. Without it Dovrel Cleaner cannot measure or clean them.</source>
        <translation>ホームフォルダ内の一部のデータ (Library 内のブラウザのファイルなど) は、フルアクセスがなければ読み取れません。フルアクセスがないと、Dovrel Cleaner はそれらのサイズを測ることもクリーンアップすることもできません。</translation>
    </message>
</context>
<context>
    <name>dovrel::Page2PrivacyFullDisk</name>
    <message>
        <source>Allow your account to read them</source>
        <translation>アカウントに読み取りを許可</translation>
    </message>
    <message>
        <source>On Linux there is no Full Disk Access list: a file can be read when your account has read permission for it. Press “Open Settings” to show the protected file in your file manager, open its Properties and allow reading for your account. If Dovrel Cleaner runs in a sandbox (Flatpak or Snap), also give it access to your home folder in that system&apos;s permission settings.</source>
        <translation>Linux にはフルディスクアクセスの一覧はありません。アカウントに読み取り権限があれば、そのファイルを読み取れます。「設定を開く」を押してファイルマネージャで保護されたファイルを表示し、プロパティを開いて、アカウントに読み取りを許可してください。Dovrel Cleaner をサンドボックス (Flatpak または Snap) で実行している場合は、そのシステムの権限設定でホームフォルダへのアクセスも許可してください。</translation>
    </message>
</context>
<context>
    <name>dovrel::Page3PrivacyFullDisk</name>
    <message>
        <source>Check the access</source>
        <translation>アクセスを確認</translation>
    </message>
    <message>
        <source>When you have allowed reading, press “Confirm”. Dovrel Cleaner checks the access and closes this window once it can read the protected files.</source>
        <translation>読み取りを許可したら、「確認」を押してください。Dovrel Cleaner はアクセスを確認し、保護されたファイルを読み取れるようになるとこのウインドウを閉じます。</translation>
    </message>
</context>
<context>
    <name>dovrel::PreferencesViewController</name>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>リマインダー</translation>
    </message>
    <message>
        <source>Remind me to clean up regularly</source>
        <translation>定期的にクリーンアップを通知</translation>
    </message>
    <message>
        <source>A small helper starts with your session and tells you when it is time for a clean-up.</source>
        <translation>小さな補助プログラムがセッションと一緒に起動し、クリーンアップの時期をお知らせします。</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>ホームフォルダ</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>Kept Items</source>
        <translation>保持する項目</translation>
    </message>
    <message>
        <source>Never offered for removal, with everything inside them.</source>
        <translation>中身も含め、削除の候補には決して表示されません。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove Kept Item</source>
        <translation>保持項目を削除</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>追加…</translation>
    </message>
    <message>
        <source>Add Kept Folder…</source>
        <translation>保持するフォルダを追加…</translation>
    </message>
    <message>
        <source>Cleaned So Far</source>
        <translation>これまでのクリーンアップ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>変更…</translation>
    </message>
    <message>
        <source>Change Home Folder…</source>
        <translation>ホームフォルダを変更…</translation>
    </message>
    <message>
        <source>Change Applications Folder…</source>
        <translation>アプリケーションフォルダを変更…</translation>
    </message>
    <message>
        <source>%1 removed in all clean-ups.</source>
        <translation>これまでのクリーンアップで合計 %1 を削除しました。</translation>
    </message>
    <message>
        <source>Nothing has been cleaned yet.</source>
        <translation>まだ何もクリーンアップしていません。</translation>
    </message>
    <message>
        <source>“%1” could not be taken off the kept items: %2</source>
        <translation>「%1」を保持項目から外せませんでした: %2</translation>
    </message>
    <message>
        <source>Keep a Folder</source>
        <translation>フォルダを保持</translation>
    </message>
    <message>
        <source>Always Keep</source>
        <translation>常に保持</translation>
    </message>
    <message>
        <source>“%1” could not be kept: %2</source>
        <translation>「%1」を保持できませんでした: %2</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>未選択</translation>
    </message>
    <message>
        <source>No folder is allowed yet.</source>
        <translation>まだ許可されたフォルダはありません。</translation>
    </message>
    <message>
        <source>This folder is gone. Please choose it again.</source>
        <translation>このフォルダはもうありません。もう一度選択してください。</translation>
    </message>
    <message>
        <source>This folder was replaced since you allowed it. Please choose it again.</source>
        <translation>このフォルダは許可した後に置き換えられました。もう一度選択してください。</translation>
    </message>
    <message>
        <source>This folder is not named “%1”. Please choose the right one.</source>
        <translation>このフォルダの名前は「%1」ではありません。正しいフォルダを選択してください。</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>クリーンアップ</translation>
    </message>
</context>
<context>
    <name>dovrel::PreviewLoader</name>
    <message>
        <source>This image is too large to preview.</source>
        <translation>この画像は大きすぎるためプレビューできません。</translation>
    </message>
    <message>
        <source>This image cannot be read.</source>
        <translation>この画像を読み取れません。</translation>
    </message>
    <message>
        <source>This document is too large to preview.</source>
        <translation>この書類は大きすぎるためプレビューできません。</translation>
    </message>
    <message>
        <source>This document cannot be read.</source>
        <translation>この書類を読み取れません。</translation>
    </message>
    <message>
        <source>“%1” is no longer there.</source>
        <translation>「%1」はもうありません。</translation>
    </message>
</context>
<context>
    <name>dovrel::PreviewPanel</name>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Preview picture</source>
        <translation>プレビュー画像</translation>
    </message>
    <message>
        <source>Start of the file</source>
        <translation>ファイルの先頭</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Folder contents</source>
        <translation>フォルダの内容</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>読み込み中…</translation>
    </message>
    <message>
        <source>Only the start of the file is shown.</source>
        <translation>ファイルの先頭のみを表示しています。</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n items are listed.</source>
        <translation>
            <numerusform>最初の %n 項目のみを表示しています。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 item, %1</source>
        <translation>1 項目、%1</translation>
    </message>
    <message numerus="yes">
        <source>%n items, %1</source>
        <translation>
            <numerusform>%n 項目、%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Points to: %1</source>
        <translation>リンク先: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>作成日: %1</translation>
    </message>
    <message>
        <source>Modified: %1</source>
        <translation>変更日: %1</translation>
    </message>
    <message>
        <source>Last opened: %1</source>
        <translation>最後に開いた日: %1</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyDiskAccessViewController</name>
    <message>
        <source>Open Settings</source>
        <translation>設定を開く</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyFullDiskPage</name>
    <message>
        <source>Step %1 of 3</source>
        <translation>ステップ %1/3</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyFullDiskWindowController</name>
    <message>
        <source>Full Disk Access</source>
        <translation>フルディスクアクセス</translation>
    </message>
</context>
<context>
    <name>dovrel::RevealNotice</name>
    <message>
        <source>Opening the file manager…</source>
        <translation>ファイルマネージャを開いています…</translation>
    </message>
    <message>
        <source>No file manager could be opened to show “%1”.</source>
        <translation>「%1」を表示するファイルマネージャを開けませんでした。</translation>
    </message>
    <message>
        <source>Not scanned: “%1” is a symbolic link, and what it leads to is not part of your home folder.</source>
        <translation>スキャンしていません: 「%1」はシンボリックリンクで、リンク先がホームフォルダ外にあります。</translation>
    </message>
    <message>
        <source>Left alone: “%1”, because its .trashinfo file is not a regular file.</source>
        <translation>変更していません: 「%1」の .trashinfo ファイルが通常のファイルではないためです。</translation>
    </message>
    <message>
        <source>One more place was left out for a like reason.</source>
        <translation>同様の理由で、ほかに 1 か所を除外しました。</translation>
    </message>
    <message>
        <source>%1 more places were left out for like reasons.</source>
        <translation>同様の理由で、ほかに %1 か所を除外しました。</translation>
    </message>
</context>
<context>
    <name>dovrel::SandboxViewController</name>
    <message>
        <source>Allow access to your folders</source>
        <translation>フォルダへのアクセスを許可</translation>
    </message>
    <message>
        <source>Dovrel Cleaner looks for clutter only where you let it. Please choose your home folder and the Applications folder.</source>
        <translation>Dovrel Cleaner は、許可された場所でのみ不要なファイルを探します。ホームフォルダとアプリケーションフォルダを選択してください。</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>ホームフォルダ</translation>
    </message>
    <message>
        <source>the folder named “%1”</source>
        <translation>「%1」という名前のフォルダ</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>the folder named “Applications”</source>
        <translation>「Applications」という名前のフォルダ</translation>
    </message>
    <message>
        <source>Allow Home Folder</source>
        <translation>ホームフォルダを許可</translation>
    </message>
    <message>
        <source>Allow Applications Folder</source>
        <translation>アプリケーションフォルダを許可</translation>
    </message>
    <message>
        <source>Why does Dovrel Cleaner need access?</source>
        <translation>Dovrel Cleaner にアクセスが必要な理由</translation>
    </message>
    <message>
        <source>Dovrel Cleaner looks for clutter only where you let it. Please choose your home folder.</source>
        <translation>Dovrel Cleaner は、許可された場所でのみ不要なファイルを探します。ホームフォルダを選択してください。</translation>
    </message>
    <message>
        <source>✓ Home Folder Allowed</source>
        <translation>✓ ホームフォルダを許可済み</translation>
    </message>
    <message>
        <source>✓ Applications Allowed</source>
        <translation>✓ アプリケーションを許可済み</translation>
    </message>
    <message>
        <source>“%1” cannot be opened as a folder. Please choose it again.</source>
        <translation>「%1」をフォルダとして開けません。もう一度選択してください。</translation>
    </message>
    <message>
        <source>Why Dovrel Cleaner needs access</source>
        <translation>Dovrel Cleaner にアクセスが必要な理由</translation>
    </message>
    <message>
        <source>Dovrel Cleaner only reads the folders you allow.</source>
        <translation>Dovrel Cleaner は、許可されたフォルダのみを読み取ります。</translation>
    </message>
    <message>
        <source>It looks for caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash inside your home folder. It reads the Applications folder to learn which applications are still installed, so that what they keep is never taken for a leftover. Nothing is removed until you have chosen it and pressed the remove button.</source>
        <translation>ホームフォルダ内のキャッシュ、ログ、削除したアプリケーションの残りファイル、ブラウザのデータ、メールの添付ファイル、インストーラ、ゴミ箱を探します。アプリケーションフォルダは、まだインストールされているアプリケーションを知るために読み取ります。これにより、それらのアプリケーションのデータが残りファイルと誤認されることはありません。項目を選択して削除ボタンを押すまで、何も削除されません。</translation>
    </message>
    <message>
        <source>It looks for caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash inside your home folder. It learns which applications are still installed from the system&apos;s application list, so that what they keep is never taken for a leftover. Nothing is removed until you have chosen it and pressed the remove button.</source>
        <translation>ホームフォルダ内のキャッシュ、ログ、削除したアプリケーションの残りファイル、ブラウザのデータ、メールの添付ファイル、インストーラ、ゴミ箱を探します。まだインストールされているアプリケーションはシステムのアプリケーション一覧から調べるため、それらのデータが残りファイルと誤認されることはありません。項目を選択して削除ボタンを押すまで、何も削除されません。</translation>
    </message>
    <message>
        <source>Open Web Page</source>
        <translation>Web ページを開く</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at %1.</source>
        <translation>Web ブラウザを開けませんでした。ページは %1 にあります。</translation>
    </message>
</context>
<context>
    <name>dovrel::Scroller</name>
    <message>
        <source>Scroll bar</source>
        <translation>スクロールバー</translation>
    </message>
</context>
<context>
    <name>dovrel::SelectBrowsers</name>
    <message>
        <source>Choose the browsers to clean</source>
        <translation>クリーンアップするブラウザを選択</translation>
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
        <translation>チェックを外したブラウザのデータは保持されます。</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanOutlineModel</name>
    <message>
        <source>%1 kept</source>
        <translation>%1 件を保持</translation>
    </message>
    <message>
        <source>always kept</source>
        <translation>常に保持</translation>
    </message>
    <message>
        <source>Close %1 to clean its site data</source>
        <translation>サイトデータをクリーンアップするには %1 を終了してください</translation>
    </message>
    <message>
        <source>Nothing found</source>
        <translation>見つかりませんでした</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanOutlineView</name>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Scan results</source>
        <translation>スキャン結果</translation>
    </message>
    <message>
        <source>Tick what to remove. Space ticks the focused row, the arrow keys open and close a category.</source>
        <translation>削除する項目にチェックを入れてください。スペースキーでフォーカスのある行にチェックを入れ、矢印キーでカテゴリを開閉します。</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隠す</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>%1 を隠す</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>%1 を表示</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanViewController</name>
    <message>
        <source>Smart Scan results</source>
        <translation>スマートスキャンの結果</translation>
    </message>
    <message>
        <source>Untick what you want to keep. Everything ticked is removed for good.</source>
        <translation>残したい項目のチェックを外してください。チェックの入った項目はすべて完全に削除されます。</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>選択済み</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove the ticked items</source>
        <translation>チェックを入れた項目を削除</translation>
    </message>
    <message>
        <source>Selected size</source>
        <translation>選択したサイズ</translation>
    </message>
    <message>
        <source>Selected size: %1</source>
        <translation>選択したサイズ: %1</translation>
    </message>
    <message>
        <source>The keep list is not available.</source>
        <translation>保持リストを利用できません。</translation>
    </message>
    <message>
        <source>Untick what you want to keep. Everything ticked goes to the Trash.</source>
        <translation>残したい項目のチェックを外してください。チェックの入った項目はすべてゴミ箱に移動します。</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanupViewController</name>
    <message>
        <source>Removing the selected files...</source>
        <translation>選択したファイルを削除しています…</translation>
    </message>
    <message>
        <source>Selected files are removed for good; nothing goes to the Trash.</source>
        <translation>選択したファイルは完全に削除されます。ゴミ箱には入りません。</translation>
    </message>
    <message>
        <source>Cleanup complete...</source>
        <translation>クリーンアップが完了しました…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Moving the selected files to the Trash...</source>
        <translation>選択したファイルをゴミ箱に移動しています…</translation>
    </message>
    <message>
        <source>Selected files go to the Trash; what was in the Trash is removed for good.</source>
        <translation>選択したファイルはゴミ箱に移動します。ゴミ箱に入っていたものは完全に削除されます。</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartScanViewController</name>
    <message>
        <source>Looking for files you can safely remove…</source>
        <translation>安全に削除できるファイルを探しています…</translation>
    </message>
    <message>
        <source>Waiting for the last cleanup to finish…</source>
        <translation>前回のクリーンアップが終わるのを待っています…</translation>
    </message>
    <message>
        <source>Scan in &quot;%1&quot;</source>
        <translation>「%1」をスキャン中</translation>
    </message>
</context>
<context>
    <name>dovrel::agent::AppDelegate</name>
    <message>
        <source>It&apos;s time for cleanup your Mac</source>
        <translation>Mac をクリーンアップする時間です</translation>
    </message>
    <message>
        <source>Launch Dovrel cleaner and perform cleanup of your Mac.</source>
        <translation>Dovrel Cleaner を起動して Mac をクリーンアップしましょう。</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>起動</translation>
    </message>
</context>
<context>
    <name>dovrel::main</name>
    <message>
        <source>Settings Set Aside</source>
        <translation>設定を退避しました</translation>
    </message>
    <message>
        <source>A settings file could not be used as it was. It was kept as %1, and what could not be read starts afresh.</source>
        <translation>設定ファイルをそのまま使用できませんでした。%1 として保存し、読み取れなかった部分は初期状態から始めます。</translation>
    </message>
</context>
</TS>
