<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AboutTexts</name>
    <message>
        <source>名称：岚川连连看</source>
        <translation>Name: Lanchuan Lianliankan</translation>
    </message>
    <message>
        <source>版本：%1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>策划：林远舟</source>
        <translation>Design: Lin Yuanzhou</translation>
    </message>
    <message>
        <source>代码：陈思齐</source>
        <translation>Code: Chen Siqi</translation>
    </message>
    <message>
        <source>代码：周若水</source>
        <translation>Code: Zhou Ruoshui</translation>
    </message>
    <message>
        <source>界面：许青禾</source>
        <translation>Interface: Xu Qinghe</translation>
    </message>
    <message>
        <source>图片：沈星野</source>
        <translation>Pictures: Shen Xingye</translation>
    </message>
    <message>
        <source>图片：唐可一</source>
        <translation>Pictures: Tang Keyi</translation>
    </message>
    <message>
        <source>道具：韩知秋</source>
        <translation>Items: Han Zhiqiu</translation>
    </message>
    <message>
        <source>建议：白云生</source>
        <translation>Suggestions: Bai Yunsheng</translation>
    </message>
    <message>
        <source>意见：陆小满</source>
        <translation>Opinions: Lu Xiaoman</translation>
    </message>
    <message>
        <source>感谢：方晓岚</source>
        <translation>Thanks: Fang Xiaolan</translation>
    </message>
    <message>
        <source>感谢：江一苇</source>
        <translation>Thanks: Jiang Yiwei</translation>
    </message>
    <message>
        <source>感谢：www.example.com</source>
        <translation>Thanks: www.example.com</translation>
    </message>
    <message>
        <source>感谢：孟书言</source>
        <translation>Thanks: Meng Shuyan</translation>
    </message>
    <message>
        <source>感谢：即时通讯 80012345</source>
        <translation>Thanks: messenger 80012345</translation>
    </message>
    <message>
        <source>感谢：顾南星</source>
        <translation>Thanks: Gu Nanxing</translation>
    </message>
    <message>
        <source>感谢：www.example.org</source>
        <translation>Thanks: www.example.org</translation>
    </message>
    <message>
        <source>感谢：叶青山</source>
        <translation>Thanks: Ye Qingshan</translation>
    </message>
    <message>
        <source>感谢：即时通讯 80067890</source>
        <translation>Thanks: messenger 80067890</translation>
    </message>
    <message>
        <source>感谢：宋小棠</source>
        <translation>Thanks: Song Xiaotang</translation>
    </message>
    <message>
        <source>感谢：程望舒</source>
        <translation>Thanks: Cheng Wangshu</translation>
    </message>
    <message>
        <source>感谢：www.example.net</source>
        <translation>Thanks: www.example.net</translation>
    </message>
    <message>
        <source>感谢：苏半夏</source>
        <translation>Thanks: Su Banxia</translation>
    </message>
    <message>
        <source>感谢：所有试玩的朋友</source>
        <translation>Thanks: every friend who tried it</translation>
    </message>
    <message>
        <source>感谢：每一位玩家</source>
        <translation>Thanks: every player</translation>
    </message>
    <message>
        <source>联系作者的方式</source>
        <translation>How to reach the maker</translation>
    </message>
    <message>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <source>电子邮件：</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>即时通讯号码：</source>
        <translation>Messenger number:</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>图案 %1</source>
        <translation>Picture %1</translation>
    </message>
    <message>
        <source>空</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>得分 %1</source>
        <translation>Score %1</translation>
    </message>
</context>
<context>
    <name>Difficulties</name>
    <message>
        <source>初级篇</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>中级篇</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>高级篇</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>特级篇</source>
        <translation>Very hard</translation>
    </message>
    <message>
        <source>特殊篇</source>
        <translation>Special</translation>
    </message>
</context>
<context>
    <name>EngineText</name>
    <message>
        <source>恭喜你已经全部通关了！</source>
        <translation>Congratulations, you have cleared every level!</translation>
    </message>
    <message>
        <source>无牌可消！自动将使用洗牌！</source>
        <translation>No pair left to remove! The tiles will be shuffled.</translation>
    </message>
    <message>
        <source>无牌可消！游戏结束！</source>
        <translation>No pair left to remove! Game over!</translation>
    </message>
    <message>
        <source>时间用尽，游戏结束！</source>
        <translation>Time is up. Game over!</translation>
    </message>
    <message>
        <source>恭喜过关！<byte value="xd"/>
额外得分：<byte value="xd"/>
%1 个道具“提示”，每个 %2 分，共 %3 分。<byte value="xd"/>
%4 个道具“洗牌”，每个 %5 分，共 %6 分。<byte value="xd"/>
剩下 %7 时间，每秒 %8 分，共 %9 分。</source>
        <translation>Level cleared!<byte value="xd"/>
Bonus points:<byte value="xd"/>
%1 “Hint” items, %2 points each: %3 points.<byte value="xd"/>
%4 “Shuffle” items, %5 points each: %6 points.<byte value="xd"/>
%7 seconds left, %8 points each: %9 points.</translation>
    </message>
    <message>
        <source>第0关 不变化</source>
        <translation>Level 0 Still</translation>
    </message>
    <message>
        <source>第1关 向下</source>
        <translation>Level 1 Down</translation>
    </message>
    <message>
        <source>第2关 向左</source>
        <translation>Level 2 Left</translation>
    </message>
    <message>
        <source>第3关 上下分离</source>
        <translation>Level 3 Apart up-down</translation>
    </message>
    <message>
        <source>第4关 左右分离</source>
        <translation>Level 4 Apart left-right</translation>
    </message>
    <message>
        <source>第5关 上下集中</source>
        <translation>Level 5 Close up-down</translation>
    </message>
    <message>
        <source>第6关 左右集中</source>
        <translation>Level 6 Close left-right</translation>
    </message>
    <message>
        <source>第7关 上左下右</source>
        <translation>Level 7 Slide left-right</translation>
    </message>
    <message>
        <source>第8关 左下右上</source>
        <translation>Level 8 Slide down-up</translation>
    </message>
    <message>
        <source>第9关 向外扩散</source>
        <translation>Level 9 Outward</translation>
    </message>
    <message>
        <source>第10关 向内集中</source>
        <translation>Level 10 Inward</translation>
    </message>
    <message>
        <source>特级篇一统天下</source>
        <translation>Special: rule them all</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>岚川连连看</source>
        <translation>Lanchuan Lianliankan</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>背景图片“%1”无法打开，仍使用原来的背景。</source>
        <translation>The background picture “%1” cannot be opened; the previous background stays.</translation>
    </message>
    <message>
        <source>洗牌 %1</source>
        <translation>Shuffles %1</translation>
    </message>
    <message>
        <source>提示 %1</source>
        <translation>Hints %1</translation>
    </message>
    <message>
        <source>请使用 1024 * 768 以上分辨率！</source>
        <translation>Please use a screen of at least 1024 × 768 pixels!</translation>
    </message>
    <message>
        <source>分辨率错误</source>
        <translation>Screen too small</translation>
    </message>
    <message>
        <source>程序背景图片文件损坏，请重新下载！</source>
        <translation>The background pictures are damaged. Please download the game again!</translation>
    </message>
    <message>
        <source>图片错误</source>
        <translation>Picture error</translation>
    </message>
    <message>
        <source>从「游戏」菜单选择主题与难度，开始游戏</source>
        <translation>Choose a theme and a difficulty from the Game menu to start</translation>
    </message>
    <message>
        <source>下次启动游戏时改用所选的语言。</source>
        <translation>The game speaks the chosen language from its next start.</translation>
    </message>
    <message>
        <source>排行榜文件已损坏，原文件已另存为“%1”。</source>
        <translation>The leaderboard file was damaged; the old file was kept as “%1”.</translation>
    </message>
</context>
<context>
    <name>LeaderboardWindow</name>
    <message>
        <source>名次</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>名字</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>分数</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>关卡</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>排行榜</source>
        <translation>Leaderboard</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>第 %1 组连连看游戏(&amp;%1)(%2 款)</source>
        <translation>Pack %1(&amp;%1)(%2 themes)</translation>
    </message>
    <message>
        <source>游戏(&amp;G)</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>道具(&amp;I)</source>
        <translation>&amp;Items</translation>
    </message>
    <message>
        <source>提示(&amp;H)</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>重新洗牌(&amp;R)</source>
        <translation>&amp;Reshuffle</translation>
    </message>
    <message>
        <source>暂停(&amp;P)</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>设定(&amp;S)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>音乐开关(&amp;M)</source>
        <translation>&amp;Music</translation>
    </message>
    <message>
        <source>音效开关(&amp;S)</source>
        <translation>&amp;Sound effects</translation>
    </message>
    <message>
        <source>纪录(&amp;C)</source>
        <translation>Re&amp;cords</translation>
    </message>
    <message>
        <source>查看排行榜(&amp;T)</source>
        <translation>Leader&amp;board</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>游戏帮助(&amp;H)</source>
        <translation>&amp;How to play</translation>
    </message>
    <message>
        <source>关于作者(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
</context>
<context>
    <name>NewRecordDialog</name>
    <message>
        <source>新纪录</source>
        <translation>New record</translation>
    </message>
    <message>
        <source>恭喜！本局 %1 分，名列%2排行榜第 %3 名。</source>
        <translation>Congratulations! %1 points: number %3 on the %2 leaderboard.</translation>
    </message>
    <message>
        <source>请输入你的名字（1 到 %1 个字）：</source>
        <translation>Your name (1 to %1 characters):</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>RecordsStore</name>
    <message>
        <source>排行榜文件已损坏，只显示能读出的纪录；下次记录前会把原文件另存一份。</source>
        <translation>The leaderboard file is damaged: only the readable records are shown, and the file is kept aside before the next record.</translation>
    </message>
    <message>
        <source>排行榜文件来自更新版本的游戏，只显示能读出的纪录，不会改写它。</source>
        <translation>The leaderboard file comes from a newer version of the game: only the readable records are shown, and it is not rewritten.</translation>
    </message>
    <message>
        <source>排行榜文件无法打开，暂时看不到以前的纪录。</source>
        <translation>The leaderboard file cannot be opened; earlier records cannot be shown for now.</translation>
    </message>
    <message>
        <source>排行榜文件来自更新版本的游戏，本局成绩没有保存。</source>
        <translation>The leaderboard file comes from a newer version of the game; this result was not saved.</translation>
    </message>
    <message>
        <source>排行榜文件无法打开，本局成绩没有保存。</source>
        <translation>The leaderboard file cannot be opened; this result was not saved.</translation>
    </message>
    <message>
        <source>无法创建纪录文件夹“%1”，本局成绩没有保存。</source>
        <translation>The records folder “%1” cannot be created; this result was not saved.</translation>
    </message>
    <message>
        <source>排行榜文件正被另一个游戏使用，本局成绩没有保存。</source>
        <translation>Another game is using the leaderboard file; this result was not saved.</translation>
    </message>
    <message>
        <source>纪录文件夹“%1”无法写入，本局成绩没有保存。</source>
        <translation>The records folder “%1” cannot be written; this result was not saved.</translation>
    </message>
    <message>
        <source>排行榜文件已损坏且无法另存，本局成绩没有保存。</source>
        <translation>The leaderboard file is damaged and cannot be kept aside; this result was not saved.</translation>
    </message>
    <message>
        <source>排行榜文件无法写入（%1），本局成绩没有保存。</source>
        <translation>The leaderboard file cannot be written (%1); this result was not saved.</translation>
    </message>
</context>
<context>
    <name>Themes</name>
    <message>
        <source>宠物连连看(&amp;0)</source>
        <translation>Pets(&amp;0)</translation>
    </message>
    <message>
        <source>炫彩棋子连连看(&amp;1)</source>
        <translation>Game Pieces(&amp;1)</translation>
    </message>
    <message>
        <source>厨房连连看(&amp;2)</source>
        <translation>Kitchen(&amp;2)</translation>
    </message>
    <message>
        <source>童趣卡通连连看(&amp;3)</source>
        <translation>Toyland(&amp;3)</translation>
    </message>
    <message>
        <source>标志连连看(&amp;4)</source>
        <translation>Signs(&amp;4)</translation>
    </message>
    <message>
        <source>水晶连连看(&amp;5)</source>
        <translation>Crystals(&amp;5)</translation>
    </message>
    <message>
        <source>文件夹连连看(&amp;6)</source>
        <translation>Folders(&amp;6)</translation>
    </message>
    <message>
        <source>圆形按钮连连看(&amp;7)</source>
        <translation>Round Buttons(&amp;7)</translation>
    </message>
    <message>
        <source>衣服连连看(&amp;8)</source>
        <translation>Clothes(&amp;8)</translation>
    </message>
    <message>
        <source>麻将连连看(&amp;9)</source>
        <translation>Mahjong(&amp;9)</translation>
    </message>
    <message>
        <source>魔力连连看(&amp;0)</source>
        <translation>Magic(&amp;0)</translation>
    </message>
    <message>
        <source>连连看中国龙(&amp;1)</source>
        <translation>Chinese Dragons(&amp;1)</translation>
    </message>
    <message>
        <source>数字连连看(&amp;2)</source>
        <translation>Chinese Numerals(&amp;2)</translation>
    </message>
    <message>
        <source>晶彩文件夹连连看(&amp;3)</source>
        <translation>Glossy Files(&amp;3)</translation>
    </message>
    <message>
        <source>卡通人物连连看(&amp;4)</source>
        <translation>Cartoon People(&amp;4)</translation>
    </message>
    <message>
        <source>动画明星连连看(&amp;5)</source>
        <translation>Animation Stars(&amp;5)</translation>
    </message>
    <message>
        <source>电脑系统连连看(&amp;6)</source>
        <translation>Computers(&amp;6)</translation>
    </message>
    <message>
        <source>卡通剧场连连看(&amp;7)</source>
        <translation>Cartoon Theatre(&amp;7)</translation>
    </message>
    <message>
        <source>格斗英雄连连看(&amp;8)</source>
        <translation>Fighting Heroes(&amp;8)</translation>
    </message>
    <message>
        <source>热血球场连连看(&amp;9)</source>
        <translation>Ball Games(&amp;9)</translation>
    </message>
    <message>
        <source>街头格斗连连看(&amp;0)</source>
        <translation>Street Brawl(&amp;0)</translation>
    </message>
    <message>
        <source>可爱动物连连看(&amp;1)</source>
        <translation>Cute Animals(&amp;1)</translation>
    </message>
    <message>
        <source>快乐数字连连看(&amp;2)</source>
        <translation>Happy Chinese Numerals(&amp;2)</translation>
    </message>
    <message>
        <source>武侠群英连连看(&amp;3)</source>
        <translation>Martial Heroes(&amp;3)</translation>
    </message>
    <message>
        <source>棋坛少年连连看(&amp;4)</source>
        <translation>Young Players(&amp;4)</translation>
    </message>
    <message>
        <source>口袋精灵连连看(&amp;5)</source>
        <translation>Pocket Monsters(&amp;5)</translation>
    </message>
    <message>
        <source>游戏明星连连看(&amp;6)</source>
        <translation>Game Stars(&amp;6)</translation>
    </message>
    <message>
        <source>甜点饼干连连看(&amp;7)</source>
        <translation>Sweets and Biscuits(&amp;7)</translation>
    </message>
    <message>
        <source>新鲜水果连连看(&amp;8)</source>
        <translation>Fresh Fruit(&amp;8)</translation>
    </message>
    <message>
        <source>星座传说连连看(&amp;9)</source>
        <translation>Zodiac Legends(&amp;9)</translation>
    </message>
    <message>
        <source>(%1 张图片)</source>
        <translation>(%1 pictures)</translation>
    </message>
</context>
<context>
    <name>frmAboutScreen</name>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>游戏帮助</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>Help.txt</source>
        <extracomment>The help file beside the program; a translated one is read as UTF-8.</extracomment>
        <translation>Help.en.txt</translation>
    </message>
    <message>
        <source>:/llk/art/help.txt</source>
        <extracomment>The built-in help of the translation&apos;s language, among the program&apos;s resources.</extracomment>
        <translation>:/llk/art/help.en.txt</translation>
    </message>
</context>
</TS>
