<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>dovrel::AboutBrowsers</name>
    <message>
        <source>Browsers</source>
        <translation>Navegadores</translation>
    </message>
    <message>
        <source>Google Chrome, Firefox and Safari keep caches, website storage and page thumbnails. Removing them leaves your bookmarks, history and passwords alone, but websites may sign you out and forget their settings. Browsers fill this storage again as you browse.</source>
        <translation>Google Chrome, Firefox e Safari guardam caches, dados de sites e miniaturas de páginas. Removê-los não afeta seus favoritos, histórico e senhas, mas alguns sites podem desconectar você e esquecer suas configurações. Os navegadores voltam a preencher esse espaço conforme você navega.</translation>
    </message>
    <message>
        <source>Choose Browsers…</source>
        <translation>Escolher navegadores…</translation>
    </message>
    <message>
        <source>Google Chrome, Chromium and Firefox keep caches, website storage and page thumbnails. Removing them leaves your bookmarks, history and passwords alone, but websites may sign you out and forget their settings. Browsers fill this storage again as you browse.</source>
        <translation>Google Chrome, Chromium e Firefox guardam caches, dados de sites e miniaturas de páginas. Removê-los não afeta seus favoritos, histórico e senhas, mas alguns sites podem desconectar você e esquecer suas configurações. Os navegadores voltam a preencher esse espaço conforme você navega.</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutCaches</name>
    <message>
        <source>Applications caches</source>
        <translation>Caches de aplicativos</translation>
    </message>
    <message>
        <source>Applications keep copies of data they downloaded or worked out before, so they can start and work faster. Removing caches is safe: your documents and settings stay as they are. Applications rebuild what they need as you use them, so they may start a little slower the first time.</source>
        <translation>Os aplicativos guardam cópias de dados que baixaram ou calcularam antes, para abrir e funcionar mais rápido. Remover caches é seguro: seus documentos e configurações continuam como estão. Os aplicativos recriam o que precisam conforme você os usa, então podem abrir um pouco mais devagar na primeira vez.</translation>
    </message>
    <message>
        <source>Show Caches Folder</source>
        <translation>Mostrar pasta de caches</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutLogs</name>
    <message>
        <source>Applications logs</source>
        <translation>Registros de aplicativos</translation>
    </message>
    <message>
        <source>Applications and the system write notes about their work and their errors into log files. Nothing needs old logs to run, so removing them is safe. New logs are written as applications keep running.</source>
        <translation>Os aplicativos e o sistema anotam sua atividade e seus erros em arquivos de registro. Nada precisa de registros antigos para funcionar, então removê-los é seguro. Novos registros são gravados enquanto os aplicativos continuam em execução.</translation>
    </message>
    <message>
        <source>Show Logs Folder</source>
        <translation>Mostrar pasta de registros</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutMails</name>
    <message>
        <source>Mail attachments</source>
        <translation>Anexos de e-mail</translation>
    </message>
    <message>
        <source>Mail, Airmail and Spark keep copies of attachments and downloaded messages on your disk. Removing them is safe as long as your mail stays on the mail server: messages and their attachments are downloaded again when you open them.</source>
        <translation>Mail, Airmail e Spark guardam no seu disco cópias de anexos e de mensagens baixadas. Removê-los é seguro desde que seus e-mails continuem no servidor: as mensagens e seus anexos são baixados de novo quando você os abre.</translation>
    </message>
    <message>
        <source>Show Downloads Folder</source>
        <translation>Mostrar pasta Downloads</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutPopover</name>
    <message>
        <source>Applications remainders</source>
        <translation>Restos de aplicativos</translation>
    </message>
    <message>
        <source>Settings, caches and support files left behind by applications you have removed. Nothing uses them any more, so removing them is safe. They come back only if you install those applications again.</source>
        <translation>Configurações, caches e arquivos de suporte deixados por aplicativos que você removeu. Nada mais os usa, então removê-los é seguro. Eles só voltam se você instalar esses aplicativos de novo.</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>Arquivos de instalação</translation>
    </message>
    <message>
        <source>Disk images and installer packages you downloaded to install applications. Once an application is installed its installer is no longer needed, so removing them is safe. They do not come back: download the installer again if you ever need it.</source>
        <translation>Imagens de disco e pacotes de instalação que você baixou para instalar aplicativos. Depois que o aplicativo está instalado, o instalador não é mais necessário, então removê-los é seguro. Eles não voltam: baixe o instalador de novo se um dia precisar dele.</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutTrash</name>
    <message>
        <source>Trash Bin</source>
        <translation>Lixeira</translation>
    </message>
    <message>
        <source>Files and folders you moved to the Trash. Removing them deletes them for good, so look inside first if you are not sure. The Trash fills again as you delete files.</source>
        <translation>Arquivos e pastas que você moveu para a Lixeira. Removê-los apaga tudo definitivamente, então confira o conteúdo antes se não tiver certeza. A Lixeira volta a encher conforme você apaga arquivos.</translation>
    </message>
    <message>
        <source>Show Trash</source>
        <translation>Mostrar Lixeira</translation>
    </message>
</context>
<context>
    <name>dovrel::AppDelegate</name>
    <message>
        <source>Dovrel Cleaner quit unexpectedly</source>
        <translation>O Dovrel Cleaner fechou inesperadamente</translation>
    </message>
    <message>
        <source>Dovrel Cleaner stopped unexpectedly the last time it ran. A report was saved on this computer.</source>
        <translation>O Dovrel Cleaner parou inesperadamente na última vez em que foi executado. Um relatório foi salvo neste computador.</translation>
    </message>
</context>
<context>
    <name>dovrel::CategoryTable</name>
    <message>
        <source>Applications caches</source>
        <translation>Caches de aplicativos</translation>
    </message>
    <message>
        <source>Applications logs</source>
        <translation>Registros de aplicativos</translation>
    </message>
    <message>
        <source>Applications remainders</source>
        <translation>Restos de aplicativos</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>Navegadores</translation>
    </message>
    <message>
        <source>Mail attachments</source>
        <translation>Anexos de e-mail</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>Arquivos de instalação</translation>
    </message>
    <message>
        <source>Trash Bin</source>
        <translation>Lixeira</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanItemMenu</name>
    <message>
        <source>Show in File Manager</source>
        <translation>Mostrar no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Quick Look</source>
        <translation>Visualização Rápida</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Obter Informações</translation>
    </message>
    <message>
        <source>Always Keep</source>
        <translation>Manter sempre</translation>
    </message>
    <message>
        <source>Stop Keeping</source>
        <translation>Deixar de manter</translation>
    </message>
    <message>
        <source>“%1” will always be kept. Preferences lists what is kept.</source>
        <translation>“%1” será sempre mantido. As Preferências listam o que é mantido.</translation>
    </message>
    <message>
        <source>“%1” could not be added to the kept items: %2</source>
        <translation>Não foi possível adicionar “%1” aos itens mantidos: %2</translation>
    </message>
    <message>
        <source>“%1” is no longer kept; tick it to remove it.</source>
        <translation>“%1” não é mais mantido; marque-o para removê-lo.</translation>
    </message>
    <message>
        <source>“%1” could not be taken off the kept items: %2</source>
        <translation>Não foi possível tirar “%1” dos itens mantidos: %2</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanedViewController</name>
    <message>
        <source>Cleanup finished</source>
        <translation>Limpeza concluída</translation>
    </message>
    <message>
        <source>cleaned from your home folder</source>
        <translation>liberados da sua pasta pessoal</translation>
    </message>
    <message>
        <source>Still removing the last files...</source>
        <translation>Removendo os últimos arquivos…</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>Mostrar lista</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Scan Again</source>
        <translation>Analisar de novo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>moved to the Trash, freed when it is emptied</source>
        <translation>movidos para a Lixeira, liberados quando ela for esvaziada</translation>
    </message>
    <message>
        <source>moved to the Trash, freed when it is emptied; %1 removed for good</source>
        <translation>movidos para a Lixeira, liberados quando ela for esvaziada; %1 removidos definitivamente</translation>
    </message>
    <message>
        <source>1 location could not be removed.</source>
        <translation>Não foi possível remover 1 local.</translation>
    </message>
    <message>
        <source>%1 locations could not be removed.</source>
        <translation>Não foi possível remover %1 locais.</translation>
    </message>
    <message>
        <source>Hide List</source>
        <translation>Ocultar lista</translation>
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
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Finds caches, logs, leftovers and other clutter in your home folder and removes what you choose.</source>
        <translation>Encontra caches, registros, restos e outras tralhas na sua pasta pessoal e remove o que você escolher.</translation>
    </message>
    <message>
        <source>&amp;Dovrel Cleaner</source>
        <translation>&amp;Dovrel Cleaner</translation>
    </message>
    <message>
        <source>About Dovrel Cleaner</source>
        <translation>Sobre o Dovrel Cleaner</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferências…</translation>
    </message>
    <message>
        <source>Quit Dovrel Cleaner</source>
        <translation>Sair do Dovrel Cleaner</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>Enviar comentários…</translation>
    </message>
</context>
<context>
    <name>dovrel::CleaningChoice</name>
    <message>
        <source>When cleaning:</source>
        <translation>Ao limpar:</translation>
    </message>
    <message>
        <source>Delete permanently</source>
        <translation>Apagar definitivamente</translation>
    </message>
    <message>
        <source>Move to the Trash</source>
        <translation>Mover para a Lixeira</translation>
    </message>
    <message>
        <source>When cleaning</source>
        <translation>Ao limpar</translation>
    </message>
</context>
<context>
    <name>dovrel::EnableSchedulerViewController</name>
    <message>
        <source>Cleanup reminders</source>
        <translation>Lembretes de limpeza</translation>
    </message>
    <message>
        <source>Remind me to clean up?</source>
        <translation>Lembrar você de fazer limpeza?</translation>
    </message>
    <message>
        <source>Dovrel Cleaner can remind you to clean up every few weeks. The reminder starts with your session; you can switch it off in Preferences at any time.</source>
        <translation>O Dovrel Cleaner pode lembrar você de fazer uma limpeza a cada poucas semanas. O lembrete inicia com a sua sessão; você pode desativá-lo nas Preferências a qualquer momento.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Agora não</translation>
    </message>
    <message>
        <source>Remind Me</source>
        <translation>Lembrar-me</translation>
    </message>
</context>
<context>
    <name>dovrel::FeedbackDialog</name>
    <message>
        <source>Send Feedback</source>
        <translation>Enviar comentários</translation>
    </message>
    <message>
        <source>Tell us what you like, what is missing or what went wrong. Your message is saved as a text file in the folder “%1” on this computer; nothing is sent over the network.</source>
        <translation>Conte para nós do que você gosta, o que falta ou o que deu errado. Sua mensagem é salva como arquivo de texto na pasta “%1” deste computador; nada é enviado pela rede.</translation>
    </message>
    <message>
        <source>Your feedback</source>
        <translation>Seus comentários</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Thank you. Your feedback was saved in the file “%1”.</source>
        <translation>Obrigado. Seus comentários foram salvos no arquivo “%1”.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Your feedback could not be saved in the folder “%1”. Your text is still here: copy it before you close this window.</source>
        <translation>Não foi possível salvar seus comentários na pasta “%1”. Seu texto continua aqui: copie-o antes de fechar esta janela.</translation>
    </message>
</context>
<context>
    <name>dovrel::FinishingCleanupNotice</name>
    <message>
        <source>Finishing the cleanup…</source>
        <translation>Concluindo a limpeza…</translation>
    </message>
    <message>
        <source>Stop Now</source>
        <translation>Parar agora</translation>
    </message>
    <message>
        <source>Dovrel Cleaner quits as soon as it has finished removing the item it is working on. The rest of your selection stays where it is.</source>
        <translation>O Dovrel Cleaner fecha assim que terminar de remover o item em que está trabalhando. O restante da sua seleção fica onde está.</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Parando…</translation>
    </message>
    <message>
        <source>%1 removed so far</source>
        <translation>%1 removidos até agora</translation>
    </message>
</context>
<context>
    <name>dovrel::FolderGrants</name>
    <message>
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message>
        <source>Choose Your Home Folder</source>
        <translation>Escolha sua pasta pessoal</translation>
    </message>
    <message>
        <source>Choose the Applications Folder</source>
        <translation>Escolha a pasta Aplicativos</translation>
    </message>
    <message>
        <source>“%1” is not your home folder. Please choose the folder named “%2” (%3).</source>
        <translation>“%1” não é sua pasta pessoal. Escolha a pasta chamada “%2” (%3).</translation>
    </message>
    <message>
        <source>“%1” is not an Applications folder. Please choose the folder named “Applications” (%2).</source>
        <translation>“%1” não é uma pasta de aplicativos. Escolha a pasta chamada “Applications” (%2).</translation>
    </message>
    <message>
        <source>“%1” is not an Applications folder. Please choose a folder named “Applications”.</source>
        <translation>“%1” não é uma pasta de aplicativos. Escolha uma pasta chamada “Applications”.</translation>
    </message>
</context>
<context>
    <name>dovrel::HomeViewController</name>
    <message>
        <source>Time for a clean-up</source>
        <translation>Hora de fazer uma limpeza</translation>
    </message>
    <message>
        <source>Smart Scan looks through caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash.</source>
        <translation>A Análise Inteligente examina caches, registros, restos de aplicativos removidos, dados de navegadores, anexos de e-mail, instaladores e a Lixeira.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analisar</translation>
    </message>
    <message>
        <source>Starts a smart scan</source>
        <translation>Inicia uma análise inteligente</translation>
    </message>
    <message>
        <source>Applications caches</source>
        <translation>Caches de aplicativos</translation>
    </message>
    <message>
        <source>Applications logs</source>
        <translation>Registros de aplicativos</translation>
    </message>
    <message>
        <source>Applications remainders</source>
        <translation>Restos de aplicativos</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>Navegadores</translation>
    </message>
    <message>
        <source>Mail attachments</source>
        <translation>Anexos de e-mail</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>Arquivos de instalação</translation>
    </message>
    <message>
        <source>Trash Bin</source>
        <translation>Lixeira</translation>
    </message>
</context>
<context>
    <name>dovrel::ItemFacts</name>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Symbolic link</source>
        <translation>Link simbólico</translation>
    </message>
    <message>
        <source>FIFO (named pipe)</source>
        <translation>FIFO (pipe nomeado)</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>Socket</translation>
    </message>
    <message>
        <source>Character device</source>
        <translation>Dispositivo de caractere</translation>
    </message>
    <message>
        <source>Block device</source>
        <translation>Dispositivo de bloco</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
</context>
<context>
    <name>dovrel::ItemInfoWindow</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>On disk</source>
        <translation>No disco</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Criado</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permissões</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Proprietário</translation>
    </message>
    <message>
        <source>%1, less than its size: some files in it are sparse or compressed and take less room on the disk than they hold</source>
        <translation>%1, menos que o tamanho: alguns arquivos dentro dele são esparsos ou compactados e ocupam no disco menos espaço do que contêm</translation>
    </message>
    <message>
        <source>%1, less than its size: the file is sparse or compressed and takes less room on the disk than it holds</source>
        <translation>%1, menos que o tamanho: o arquivo é esparso ou compactado e ocupa no disco menos espaço do que contém</translation>
    </message>
    <message>
        <source>%1 Info</source>
        <translation>Informações de %1</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>This item is no longer there.</source>
        <translation>Este item não existe mais.</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 bytes)</translation>
    </message>
    <message>
        <source>, not all of it could be read</source>
        <translation>, nem tudo pôde ser lido</translation>
    </message>
</context>
<context>
    <name>dovrel::LayoutChoice</name>
    <message>
        <source>Home folder layout:</source>
        <translation>Organização da pasta pessoal:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>Home folder layout</source>
        <translation>Organização da pasta pessoal</translation>
    </message>
</context>
<context>
    <name>dovrel::Page1PrivacyFullDisk</name>
    <message>
        <source>Dovrel Cleaner needs to read protected files</source>
        <translation>O Dovrel Cleaner precisa ler arquivos protegidos</translation>
    </message>
    <message>
        <source>Some data in your home folder, such as the browser files under Library, can only be read with full access. Without it Dovrel Cleaner cannot measure or clean them.</source>
        <translation>Alguns dados da sua pasta pessoal, como os arquivos dos navegadores em Library, só podem ser lidos com acesso total. Sem ele, o Dovrel Cleaner não consegue medi-los nem limpá-los.</translation>
    </message>
</context>
<context>
    <name>dovrel::Page2PrivacyFullDisk</name>
    <message>
        <source>Allow your account to read them</source>
        <translation>Permita que sua conta os leia</translation>
    </message>
    <message>
        <source>On Linux there is no Full Disk Access list: a file can be read when your account has read permission for it. Press “Open Settings” to show the protected file in your file manager, open its Properties and allow reading for your account. If Dovrel Cleaner runs in a sandbox (Flatpak or Snap), also give it access to your home folder in that system&apos;s permission settings.</source>
        <translation>No Linux não existe uma lista de acesso total ao disco: um arquivo pode ser lido quando sua conta tem permissão de leitura para ele. Clique em “Abrir configurações” para mostrar o arquivo protegido no gerenciador de arquivos, abra as Propriedades dele e permita a leitura para sua conta. Se o Dovrel Cleaner roda em uma sandbox (Flatpak ou Snap), dê a ele também acesso à sua pasta pessoal nas configurações de permissões desse sistema.</translation>
    </message>
</context>
<context>
    <name>dovrel::Page3PrivacyFullDisk</name>
    <message>
        <source>Check the access</source>
        <translation>Verificar o acesso</translation>
    </message>
    <message>
        <source>When you have allowed reading, press “Confirm”. Dovrel Cleaner checks the access and closes this window once it can read the protected files.</source>
        <translation>Depois de permitir a leitura, clique em “Confirmar”. O Dovrel Cleaner verifica o acesso e fecha esta janela assim que conseguir ler os arquivos protegidos.</translation>
    </message>
</context>
<context>
    <name>dovrel::PreferencesViewController</name>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Lembretes</translation>
    </message>
    <message>
        <source>Remind me to clean up regularly</source>
        <translation>Lembrar-me de fazer limpeza regularmente</translation>
    </message>
    <message>
        <source>A small helper starts with your session and tells you when it is time for a clean-up.</source>
        <translation>Um pequeno assistente inicia com a sua sessão e avisa quando é hora de fazer uma limpeza.</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Pasta pessoal</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicativos</translation>
    </message>
    <message>
        <source>Kept Items</source>
        <translation>Itens mantidos</translation>
    </message>
    <message>
        <source>Never offered for removal, with everything inside them.</source>
        <translation>Nunca oferecidos para remoção, com tudo o que contêm.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove Kept Item</source>
        <translation>Remover item mantido</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Adicionar…</translation>
    </message>
    <message>
        <source>Add Kept Folder…</source>
        <translation>Adicionar pasta mantida…</translation>
    </message>
    <message>
        <source>Cleaned So Far</source>
        <translation>Limpo até agora</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Alterar…</translation>
    </message>
    <message>
        <source>Change Home Folder…</source>
        <translation>Alterar pasta pessoal…</translation>
    </message>
    <message>
        <source>Change Applications Folder…</source>
        <translation>Alterar pasta de aplicativos…</translation>
    </message>
    <message>
        <source>%1 removed in all clean-ups.</source>
        <translation>%1 removidos em todas as limpezas.</translation>
    </message>
    <message>
        <source>Nothing has been cleaned yet.</source>
        <translation>Nada foi limpo ainda.</translation>
    </message>
    <message>
        <source>“%1” could not be taken off the kept items: %2</source>
        <translation>Não foi possível tirar “%1” dos itens mantidos: %2</translation>
    </message>
    <message>
        <source>Keep a Folder</source>
        <translation>Manter uma pasta</translation>
    </message>
    <message>
        <source>Always Keep</source>
        <translation>Manter sempre</translation>
    </message>
    <message>
        <source>“%1” could not be kept: %2</source>
        <translation>Não foi possível manter “%1”: %2</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>Não escolhida</translation>
    </message>
    <message>
        <source>No folder is allowed yet.</source>
        <translation>Nenhuma pasta foi permitida ainda.</translation>
    </message>
    <message>
        <source>This folder is gone. Please choose it again.</source>
        <translation>Esta pasta não existe mais. Escolha-a de novo.</translation>
    </message>
    <message>
        <source>This folder was replaced since you allowed it. Please choose it again.</source>
        <translation>Esta pasta foi substituída depois que você a permitiu. Escolha-a de novo.</translation>
    </message>
    <message>
        <source>This folder is not named “%1”. Please choose the right one.</source>
        <translation>Esta pasta não se chama “%1”. Escolha a pasta certa.</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Limpeza</translation>
    </message>
</context>
<context>
    <name>dovrel::PreviewLoader</name>
    <message>
        <source>This image is too large to preview.</source>
        <translation>Esta imagem é grande demais para pré-visualizar.</translation>
    </message>
    <message>
        <source>This image cannot be read.</source>
        <translation>Não é possível ler esta imagem.</translation>
    </message>
    <message>
        <source>This document is too large to preview.</source>
        <translation>Este documento é grande demais para pré-visualizar.</translation>
    </message>
    <message>
        <source>This document cannot be read.</source>
        <translation>Não é possível ler este documento.</translation>
    </message>
    <message>
        <source>“%1” is no longer there.</source>
        <translation>“%1” não existe mais.</translation>
    </message>
</context>
<context>
    <name>dovrel::PreviewPanel</name>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>Preview picture</source>
        <translation>Imagem de pré-visualização</translation>
    </message>
    <message>
        <source>Start of the file</source>
        <translation>Início do arquivo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Folder contents</source>
        <translation>Conteúdo da pasta</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Carregando…</translation>
    </message>
    <message>
        <source>Only the start of the file is shown.</source>
        <translation>Só o início do arquivo é mostrado.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n items are listed.</source>
        <translation>
            <numerusform>Só o primeiro item é listado.</numerusform>
            <numerusform>Só os primeiros %n itens são listados.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 item, %1</source>
        <translation>1 item, %1</translation>
    </message>
    <message numerus="yes">
        <source>%n items, %1</source>
        <translation>
            <numerusform>%n item, %1</numerusform>
            <numerusform>%n itens, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Points to: %1</source>
        <translation>Aponta para: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Criado: %1</translation>
    </message>
    <message>
        <source>Modified: %1</source>
        <translation>Modificado: %1</translation>
    </message>
    <message>
        <source>Last opened: %1</source>
        <translation>Aberto pela última vez: %1</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyDiskAccessViewController</name>
    <message>
        <source>Open Settings</source>
        <translation>Abrir configurações</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyFullDiskPage</name>
    <message>
        <source>Step %1 of 3</source>
        <translation>Passo %1 de 3</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyFullDiskWindowController</name>
    <message>
        <source>Full Disk Access</source>
        <translation>Acesso total ao disco</translation>
    </message>
</context>
<context>
    <name>dovrel::RevealNotice</name>
    <message>
        <source>Opening the file manager…</source>
        <translation>Abrindo o gerenciador de arquivos…</translation>
    </message>
    <message>
        <source>No file manager could be opened to show “%1”.</source>
        <translation>Não foi possível abrir um gerenciador de arquivos para mostrar “%1”.</translation>
    </message>
    <message>
        <source>Not scanned: “%1” is a symbolic link, and what it leads to is not part of your home folder.</source>
        <translation>Não analisado: “%1” é um link simbólico, e o destino dele não faz parte da sua pasta pessoal.</translation>
    </message>
    <message>
        <source>Left alone: “%1”, because its .trashinfo file is not a regular file.</source>
        <translation>Deixado como está: “%1”, porque o arquivo .trashinfo dele não é um arquivo comum.</translation>
    </message>
    <message>
        <source>One more place was left out for a like reason.</source>
        <translation>Mais um local foi deixado de fora por um motivo parecido.</translation>
    </message>
    <message>
        <source>%1 more places were left out for like reasons.</source>
        <translation>Mais %1 locais foram deixados de fora por motivos parecidos.</translation>
    </message>
</context>
<context>
    <name>dovrel::SandboxViewController</name>
    <message>
        <source>Allow access to your folders</source>
        <translation>Permitir acesso às suas pastas</translation>
    </message>
    <message>
        <source>Dovrel Cleaner looks for clutter only where you let it. Please choose your home folder and the Applications folder.</source>
        <translation>O Dovrel Cleaner só procura tralhas onde você deixar. Escolha sua pasta pessoal e a pasta Aplicativos.</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Pasta pessoal</translation>
    </message>
    <message>
        <source>the folder named “%1”</source>
        <translation>a pasta chamada “%1”</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicativos</translation>
    </message>
    <message>
        <source>the folder named “Applications”</source>
        <translation>a pasta chamada “Applications”</translation>
    </message>
    <message>
        <source>Allow Home Folder</source>
        <translation>Permitir pasta pessoal</translation>
    </message>
    <message>
        <source>Allow Applications Folder</source>
        <translation>Permitir pasta Aplicativos</translation>
    </message>
    <message>
        <source>Why does Dovrel Cleaner need access?</source>
        <translation>Por que o Dovrel Cleaner precisa de acesso?</translation>
    </message>
    <message>
        <source>Dovrel Cleaner looks for clutter only where you let it. Please choose your home folder.</source>
        <translation>O Dovrel Cleaner só procura tralhas onde você deixar. Escolha sua pasta pessoal.</translation>
    </message>
    <message>
        <source>✓ Home Folder Allowed</source>
        <translation>✓ Pasta pessoal permitida</translation>
    </message>
    <message>
        <source>✓ Applications Allowed</source>
        <translation>✓ Aplicativos permitidos</translation>
    </message>
    <message>
        <source>“%1” cannot be opened as a folder. Please choose it again.</source>
        <translation>Não é possível abrir “%1” como pasta. Escolha-a de novo.</translation>
    </message>
    <message>
        <source>Why Dovrel Cleaner needs access</source>
        <translation>Por que o Dovrel Cleaner precisa de acesso</translation>
    </message>
    <message>
        <source>Dovrel Cleaner only reads the folders you allow.</source>
        <translation>O Dovrel Cleaner só lê as pastas que você permitir.</translation>
    </message>
    <message>
        <source>It looks for caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash inside your home folder. It reads the Applications folder to learn which applications are still installed, so that what they keep is never taken for a leftover. Nothing is removed until you have chosen it and pressed the remove button.</source>
        <translation>Ele procura na sua pasta pessoal caches, registros, restos de aplicativos removidos, dados de navegadores, anexos de e-mail, instaladores e a Lixeira. Ele lê a pasta Aplicativos para saber quais aplicativos ainda estão instalados, para que o que eles guardam nunca seja confundido com restos. Nada é removido até que você escolha e clique no botão de remover.</translation>
    </message>
    <message>
        <source>It looks for caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash inside your home folder. It learns which applications are still installed from the system&apos;s application list, so that what they keep is never taken for a leftover. Nothing is removed until you have chosen it and pressed the remove button.</source>
        <translation>Ele procura na sua pasta pessoal caches, registros, restos de aplicativos removidos, dados de navegadores, anexos de e-mail, instaladores e a Lixeira. Ele sabe quais aplicativos ainda estão instalados pela lista de aplicativos do sistema, para que o que eles guardam nunca seja confundido com restos. Nada é removido até que você escolha e clique no botão de remover.</translation>
    </message>
    <message>
        <source>Open Web Page</source>
        <translation>Abrir página da web</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at %1.</source>
        <translation>Não foi possível abrir um navegador. A página está em %1.</translation>
    </message>
</context>
<context>
    <name>dovrel::Scroller</name>
    <message>
        <source>Scroll bar</source>
        <translation>Barra de rolagem</translation>
    </message>
</context>
<context>
    <name>dovrel::SelectBrowsers</name>
    <message>
        <source>Choose the browsers to clean</source>
        <translation>Escolha os navegadores a limpar</translation>
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
        <translation>Os navegadores desmarcados mantêm seus dados.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanOutlineModel</name>
    <message>
        <source>%1 kept</source>
        <translation>mantidos: %1</translation>
    </message>
    <message>
        <source>always kept</source>
        <translation>sempre mantido</translation>
    </message>
    <message>
        <source>Close %1 to clean its site data</source>
        <translation>Feche o %1 para limpar os dados de sites dele</translation>
    </message>
    <message>
        <source>Nothing found</source>
        <translation>Nada encontrado</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanOutlineView</name>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Scan results</source>
        <translation>Resultados da análise</translation>
    </message>
    <message>
        <source>Tick what to remove. Space ticks the focused row, the arrow keys open and close a category.</source>
        <translation>Marque o que deseja remover. A barra de espaço marca a linha em foco; as setas abrem e fecham uma categoria.</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>Ocultar %1</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Mostrar %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre %1</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanViewController</name>
    <message>
        <source>Smart Scan results</source>
        <translation>Resultados da Análise Inteligente</translation>
    </message>
    <message>
        <source>Untick what you want to keep. Everything ticked is removed for good.</source>
        <translation>Desmarque o que deseja manter. Tudo o que estiver marcado é removido definitivamente.</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>selecionado</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove the ticked items</source>
        <translation>Remover os itens marcados</translation>
    </message>
    <message>
        <source>Selected size</source>
        <translation>Tamanho selecionado</translation>
    </message>
    <message>
        <source>Selected size: %1</source>
        <translation>Tamanho selecionado: %1</translation>
    </message>
    <message>
        <source>The keep list is not available.</source>
        <translation>A lista de itens mantidos não está disponível.</translation>
    </message>
    <message>
        <source>Untick what you want to keep. Everything ticked goes to the Trash.</source>
        <translation>Desmarque o que deseja manter. Tudo o que estiver marcado vai para a Lixeira.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanupViewController</name>
    <message>
        <source>Removing the selected files...</source>
        <translation>Removendo os arquivos selecionados…</translation>
    </message>
    <message>
        <source>Selected files are removed for good; nothing goes to the Trash.</source>
        <translation>Os arquivos selecionados são removidos definitivamente; nada vai para a Lixeira.</translation>
    </message>
    <message>
        <source>Cleanup complete...</source>
        <translation>Limpeza concluída…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Moving the selected files to the Trash...</source>
        <translation>Movendo os arquivos selecionados para a Lixeira…</translation>
    </message>
    <message>
        <source>Selected files go to the Trash; what was in the Trash is removed for good.</source>
        <translation>Os arquivos selecionados vão para a Lixeira; o que já estava na Lixeira é removido definitivamente.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartScanViewController</name>
    <message>
        <source>Looking for files you can safely remove…</source>
        <translation>Procurando arquivos que você pode remover com segurança…</translation>
    </message>
    <message>
        <source>Waiting for the last cleanup to finish…</source>
        <translation>Aguardando o fim da última limpeza…</translation>
    </message>
    <message>
        <source>Scan in &quot;%1&quot;</source>
        <translation>Análise em “%1”</translation>
    </message>
</context>
<context>
    <name>dovrel::agent::AppDelegate</name>
    <message>
        <source>It&apos;s time for cleanup your Mac</source>
        <translation>Hora de limpar o seu Mac</translation>
    </message>
    <message>
        <source>Launch Dovrel cleaner and perform cleanup of your Mac.</source>
        <translation>Abra o Dovrel Cleaner e faça uma limpeza no seu Mac.</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>dovrel::main</name>
    <message>
        <source>Settings Set Aside</source>
        <translation>Configurações postas de lado</translation>
    </message>
    <message>
        <source>A settings file could not be used as it was. It was kept as %1, and what could not be read starts afresh.</source>
        <translation>Um arquivo de configurações não pôde ser usado como estava. Ele foi guardado como %1, e o que não pôde ser lido recomeça do zero.</translation>
    </message>
</context>
</TS>
