<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CountedYear</name>
    <message>
        <source>Counted from %1: born before %2</source>
        <extracomment>%1 the year counted, %2 the date the year starts on: &quot;1 March 1985&quot;</extracomment>
        <translation>按%1年计算：生于%2之前</translation>
    </message>
    <message>
        <source>Counted from %1: born on or after %2</source>
        <translation>按%1年计算：生于%2或之后</translation>
    </message>
    <message>
        <source>Counted from %1: born before Li Chun (%2)</source>
        <extracomment>%1 the year counted, %2 Li Chun&apos;s date: &quot;4 February 1985&quot;</extracomment>
        <translation>按%1年计算：生于立春（%2）之前</translation>
    </message>
    <message>
        <source>Counted from %1: born on the day of Li Chun (%2), when the hour of birth decides</source>
        <translation>按%1年计算：生于立春当天（%2），须视出生时辰而定</translation>
    </message>
    <message>
        <source>Counted from %1: born on or after Li Chun (%2)</source>
        <translation>按%1年计算：生于立春（%2）或之后</translation>
    </message>
    <message>
        <source>Counted from 1 March, your Kua number would be %1.</source>
        <translation>若从3月1日起算，您的命卦数则为%1。</translation>
    </message>
    <message>
        <source>Counted from 1 March, your partner&apos;s Kua number would be %1.</source>
        <translation>若从3月1日起算，您伴侣的命卦数则为%1。</translation>
    </message>
    <message>
        <source>Counted from Li Chun, your Kua number would be %1.</source>
        <translation>若从立春起算，您的命卦数则为%1。</translation>
    </message>
    <message>
        <source>Counted from Li Chun, your partner&apos;s Kua number would be %1.</source>
        <translation>若从立春起算，您伴侣的命卦数则为%1。</translation>
    </message>
</context>
<context>
    <name>ReadingWords</name>
    <message>
        <source>No character reading is known for this Kua number.</source>
        <translation>暂无此命卦数的性格解读。</translation>
    </message>
    <message>
        <source>You will flow like water. You have a flexible and adjusting nature. You may seem stable but in reality you are restless. You will make a good leader, as you are confident and clear about your decisions. You have a magnetic personality.<byte value="xd"/>
<byte value="xd"/>
Element Water is compatible with elements Tree and Metal.<byte value="xd"/>
<byte value="xd"/>
Element Water is not compatible with elements Fire and Soil</source>
        <translation>您如水一般随势而动，天性灵活，善于应变；看似沉稳，实则内心不安分。您对自己的决定充满自信、心中有数，因此能成为出色的领导者。您的个性极具吸引力。<byte value="xd"/>
<byte value="xd"/>
五行中，水与树、金相合。<byte value="xd"/>
<byte value="xd"/>
五行中，水与火、土壤不相合。</translation>
    </message>
    <message>
        <source>You are grounded and have strong roots that spread throughout the soil. You are very loyal and dependable. At the same time you can be stubborn and stick to your decisions. You can be the best friend or the worst enemy.<byte value="xd"/>
<byte value="xd"/>
Element Earth is compatible with elements Fire and Metal.<byte value="xd"/>
<byte value="xd"/>
Element Earth is compatible with elements Wood and Water.</source>
        <translation>您脚踏实地，根基深厚，根系遍布土壤。为人非常忠诚可靠，但有时也会固执己见，一旦做出决定便不轻易改变。您可以是最好的朋友，也可能是最可怕的敌人。<byte value="xd"/>
<byte value="xd"/>
五行中，土与火、金相合。<byte value="xd"/>
<byte value="xd"/>
五行中，土与木、水相合。</translation>
    </message>
    <message>
        <source>You are a deep thinker and believe in discovering things for yourself. You are disciplined and methodical by nature. You believe more in quality than quantity.<byte value="xd"/>
<byte value="xd"/>
Element Metal is compatible with elements Water and Soil.<byte value="xd"/>
<byte value="xd"/>
Element Metal is not compatible with elements Fire and Wood.    </source>
        <translation>您善于深入思考，凡事喜欢亲自探究。天性自律，做事有条不紊。比起数量，您更看重质量。<byte value="xd"/>
<byte value="xd"/>
五行中，金与水、土壤相合。<byte value="xd"/>
<byte value="xd"/>
五行中，金与火、木不相合。    </translation>
    </message>
    <message>
        <source>You are committed to your work and always fulfill your commitments. You are always young at heart and aim to reach the top and spread out.<byte value="xd"/>
<byte value="xd"/>
Element Wood is compatible with elements Water and Fire.<byte value="xd"/>
<byte value="xd"/>
Element Wood is not compatible with elements Fire and Tree.</source>
        <translation>您全心投入工作，总能履行自己的承诺。永远保持一颗年轻的心，志在登上顶峰、向四方伸展。<byte value="xd"/>
<byte value="xd"/>
五行中，木与水、火相合。<byte value="xd"/>
<byte value="xd"/>
五行中，木与火、树不相合。</translation>
    </message>
    <message>
        <source>You have a lot of passion and fire burning inside you. You have an attractive personality and are always enthusiastic about doing things. You need to be surrounded by people and hate loneliness.<byte value="xd"/>
<byte value="xd"/>
Element Fire is compatible with elements Wood and Soil.<byte value="xd"/>
<byte value="xd"/>
Element Fire is not compatible with elements Metal and Soil.</source>
        <translation>您内心燃烧着满腔的热情与火焰。个性迷人，做事总是热情洋溢。您需要有人相伴，讨厌孤独。<byte value="xd"/>
<byte value="xd"/>
五行中，火与木、土壤相合。<byte value="xd"/>
<byte value="xd"/>
五行中，火与金、土壤不相合。</translation>
    </message>
    <message>
        <source>East</source>
        <comment>group</comment>
        <translation>东四命</translation>
    </message>
    <message>
        <source>West</source>
        <comment>group</comment>
        <translation>西四命</translation>
    </message>
    <message>
        <source>Water</source>
        <comment>element</comment>
        <translation>水</translation>
    </message>
    <message>
        <source>Earth</source>
        <comment>element</comment>
        <translation>土</translation>
    </message>
    <message>
        <source>Wood</source>
        <comment>element</comment>
        <translation>木</translation>
    </message>
    <message>
        <source>Metal</source>
        <comment>element</comment>
        <translation>金</translation>
    </message>
    <message>
        <source>Fire</source>
        <comment>element</comment>
        <translation>火</translation>
    </message>
    <message>
        <source>Kan</source>
        <comment>trigram</comment>
        <translation>坎</translation>
    </message>
    <message>
        <source>Kun</source>
        <comment>trigram</comment>
        <translation>坤</translation>
    </message>
    <message>
        <source>Chen</source>
        <comment>trigram</comment>
        <translation>震</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>trigram</comment>
        <translation>巽</translation>
    </message>
    <message>
        <source>Chien</source>
        <comment>trigram</comment>
        <translation>乾</translation>
    </message>
    <message>
        <source>Tui</source>
        <comment>trigram</comment>
        <translation>兑</translation>
    </message>
    <message>
        <source>Ken</source>
        <comment>trigram</comment>
        <translation>艮</translation>
    </message>
    <message>
        <source>Li</source>
        <comment>trigram</comment>
        <translation>离</translation>
    </message>
    <message>
        <source>Off White</source>
        <comment>colour</comment>
        <translation>米白色</translation>
    </message>
    <message>
        <source>Off-White</source>
        <comment>colour</comment>
        <translation>米白色</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>colour</comment>
        <translation>黑色</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>colour</comment>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>colour</comment>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Orange</source>
        <comment>colour</comment>
        <translation>橙色</translation>
    </message>
    <message>
        <source>Gray</source>
        <comment>colour</comment>
        <translation>灰色</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>colour</comment>
        <translation>红色</translation>
    </message>
    <message>
        <source>White</source>
        <comment>colour</comment>
        <translation>白色</translation>
    </message>
    <message>
        <source>Purple</source>
        <comment>colour</comment>
        <translation>紫色</translation>
    </message>
    <message>
        <source>North</source>
        <comment>direction</comment>
        <translation>北</translation>
    </message>
    <message>
        <source>North East</source>
        <comment>direction</comment>
        <translation>东北</translation>
    </message>
    <message>
        <source>East</source>
        <comment>direction</comment>
        <translation>东</translation>
    </message>
    <message>
        <source>South East</source>
        <comment>direction</comment>
        <translation>东南</translation>
    </message>
    <message>
        <source>South</source>
        <comment>direction</comment>
        <translation>南</translation>
    </message>
    <message>
        <source>South West</source>
        <comment>direction</comment>
        <translation>西南</translation>
    </message>
    <message>
        <source>West</source>
        <comment>direction</comment>
        <translation>西</translation>
    </message>
    <message>
        <source>North West</source>
        <comment>direction</comment>
        <translation>西北</translation>
    </message>
    <message>
        <source>Excellent</source>
        <comment>rating</comment>
        <translation>极佳</translation>
    </message>
    <message>
        <source>Very Good</source>
        <comment>rating</comment>
        <translation>甚佳</translation>
    </message>
    <message>
        <source>Good</source>
        <comment>rating</comment>
        <translation>良好</translation>
    </message>
    <message>
        <source>Unsatisfactory</source>
        <comment>rating</comment>
        <translation>欠佳</translation>
    </message>
    <message>
        <source>Bad</source>
        <comment>rating</comment>
        <translation>差</translation>
    </message>
    <message>
        <source>Disastrous</source>
        <comment>rating</comment>
        <translation>极差</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <extracomment>The pair of trigrams, the user&apos;s first: &quot;Kun-Kun&quot;</extracomment>
        <translation>%1与%2</translation>
    </message>
    <message>
        <source>Mr. %1</source>
        <translation>%1先生</translation>
    </message>
    <message>
        <source>Ms. %1</source>
        <translation>%1女士</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>本软件可能已有更新。<byte value="xd"/>您要检查更新吗？</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror v1.0</source>
        <translation>VA Zuvo Dada Vuvizoreduror v1.0</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>程序图片</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the compatibility of Kua or Gua numbers of two people according to the Eight Mansions School of Feng Shui. This software shows how your personal trigram reflects how you affect or get affected by other people.</source>
        <translation>VA Zuvo Dada Vuvizoreduror 依据风水八宅派，以两人命卦数的相合程度为基础。本软件向您展示您的命卦如何反映您对他人的影响，以及他人对您的影响。</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>欢迎访问 %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>居家创业良机。开创您自己的网络事业，在线赚钱。为您的网站获取本软件的完整品牌定制版。</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>点击此处了解详情</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>frmExit</name>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror v1.0</source>
        <translation>VA Zuvo Dada Vuvizoreduror v1.0</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>程序图片</translation>
    </message>
    <message>
        <source>Yes, take me to the discussion forum at %1</source>
        <translation>是的，带我去 %1 上的论坛</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>推荐给朋友</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>您的姓名</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>您的姓名</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>您的电子邮件地址</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>您的电子邮件地址</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>朋友的姓名</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>朋友的姓名</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>朋友的电子邮件地址</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>朋友的电子邮件地址</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>立即推荐给朋友(&amp;N)</translation>
    </message>
    <message>
        <source>Your Message
</source>
        <translation>您的留言
</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>您的留言</translation>
    </message>
    <message>
        <source>Download Our Other Programs</source>
        <translation>下载我们的其他程序</translation>
    </message>
    <message>
        <source>Besides this program we publish a range of other small programs for home and office. Each one is free to try, quick to install and easy to use.

Every program has a page of its own with a short description, a picture and a download link, so you can see what it does before you fetch it.

Browse the whole catalogue at %1 and pick the programs that suit you.</source>
        <translation>除本程序外，我们还发布了一系列适用于家庭和办公室的其他小程序。每款程序均可免费试用，安装快捷，简单易用。

每款程序都有自己的页面，附有简短介绍、一张图片和下载链接，让您在下载之前就能了解它的功能。

请访问 %1 浏览完整目录，挑选适合您的程序。</translation>
    </message>
    <message>
        <source>Visit the program catalogue</source>
        <translation>访问程序目录</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>您的留言</translation>
    </message>
</context>
<context>
    <name>frmFengShuiCompatibilityResult</name>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror v1.0</source>
        <translation>VA Zuvo Dada Vuvizoreduror v1.0</translation>
    </message>
    <message>
        <source>Join our discussion forum at %1</source>
        <translation>加入我们的论坛：%1</translation>
    </message>
    <message>
        <source>Feng Shui Kua Number </source>
        <translation>风水命卦数 </translation>
    </message>
    <message>
        <source>Your Kua Number is: </source>
        <translation>您的命卦数为：</translation>
    </message>
    <message>
        <source>Kua or Gua Number calculated according to the Eight Mansions School of Feng Shui helps one attain prosperity and everlasting success. It is calculated on basis of your birth and gender details.</source>
        <translation>依据风水八宅派计算出的命卦数，可助人获得财富与长久的成功。命卦数根据您的出生日期和性别推算而得。</translation>
    </message>
    <message>
        <source>Your Color is:</source>
        <translation>您的颜色为：</translation>
    </message>
    <message>
        <source>Your Element is: </source>
        <translation>您的五行属性为：</translation>
    </message>
    <message>
        <source>Your are a</source>
        <translation>您是</translation>
    </message>
    <message>
        <source>Group Person</source>
        <translation>之人</translation>
    </message>
    <message>
        <source> Feng Shui Kua Number </source>
        <translation> 风水命卦数 </translation>
    </message>
    <message>
        <source>Trigram Compatibility</source>
        <translation>命卦相合度</translation>
    </message>
    <message>
        <source>Your Trigram</source>
        <translation>您的命卦</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>生气</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>天医</translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation>延年</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>伏位</translation>
    </message>
    <message>
        <source>Mishaps</source>
        <translation>祸害</translation>
    </message>
    <message>
        <source>Five Ghosts</source>
        <translation>五鬼</translation>
    </message>
    <message>
        <source>Six Killings</source>
        <translation>六煞</translation>
    </message>
    <message>
        <source>Total Loss</source>
        <translation>绝命</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Trigram</source>
        <translation>伴侣的命卦</translation>
    </message>
    <message>
        <source>Compatibility Interpretation</source>
        <translation>相合度解读</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>为您的网站定制本软件的联合品牌版，提升网站的用户忠诚度和访问量。在此处放上您网站的名称和链接。详情请参阅“帮助”。点击此处了解联合品牌的更多信息。</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>居家创业良机。开创您自己的网络事业，在线赚钱。为您的网站获取本软件的完整品牌定制版。点击此处了解详情。</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>在线帮助(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>访问我们的网站(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>检查软件更新(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>关于本软件(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>捐助(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>在线赚钱(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>导出为 PDF(&amp;E)...</translation>
    </message>
    <message>
        <source>Plan of Your &amp;Home...</source>
        <translation>住宅平面图(&amp;H)...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror v1.0</source>
        <translation>VA Zuvo Dada Vuvizoreduror v1.0</translation>
    </message>
    <message>
        <source>Join our discussion forum at %1</source>
        <translation>加入我们的论坛：%1</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the calculation of Kua or Gua numbers of two people. The Kua or Gua Number is calculated according to the Eight Mansions School of Feng Shui. This number helps one attain prosperity and everlasting success. It is calculated on the basis of your birth and gender details.</source>
        <translation>VA Zuvo Dada Vuvizoreduror 以计算两人的命卦数为基础。命卦数依据风水八宅派计算，可助人获得财富与长久的成功，由您的出生日期和性别推算而得。</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the principle that the Kua number for a person helps one analyze their destiny and defines their auspicious and inauspicious directions. People of compatible direction groups get along well with each while those of opposing direction groups do not. VA Zuvo Dada Vuvizoreduror helps you analyze your relationship on the basis of this school of Feng Shui.</source>
        <translation>VA Zuvo Dada Vuvizoreduror 所依据的原理是：一个人的命卦数有助于分析其命运，并确定其吉方与凶方。同属东四命或同属西四命的人彼此相处融洽，分属两组的人则不然。VA Zuvo Dada Vuvizoreduror 依据这一风水流派，帮助您分析两人的关系。</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>打开以前保存的解读(&amp;O)</translation>
    </message>
    <message>
        <source>Your Details Please</source>
        <translation>请填写您的资料</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>您的姓名</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>出生日期</translation>
    </message>
    <message>
        <source>Your birth day</source>
        <translation>您的出生日</translation>
    </message>
    <message>
        <source>Your birth month</source>
        <translation>您的出生月份</translation>
    </message>
    <message>
        <source>Your birth year</source>
        <translation>您的出生年份</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>性别</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>男</translation>
    </message>
    <message>
        <source>Your sex: male</source>
        <translation>您的性别：男</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>女</translation>
    </message>
    <message>
        <source>Your sex: female</source>
        <translation>您的性别：女</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Details Please</source>
        <translation>请填写您伴侣的资料</translation>
    </message>
    <message>
        <source>Your partner&apos;s name</source>
        <translation>您伴侣的姓名</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth day</source>
        <translation>您伴侣的出生日</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth month</source>
        <translation>您伴侣的出生月份</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth year</source>
        <translation>您伴侣的出生年份</translation>
    </message>
    <message>
        <source>Your partner&apos;s sex: male</source>
        <translation>您伴侣的性别：男</translation>
    </message>
    <message>
        <source>Your partner&apos;s sex: female</source>
        <translation>您伴侣的性别：女</translation>
    </message>
    <message>
        <source>&amp;Find Our Feng Shui Compatibility</source>
        <translation>查看双方的风水相合度(&amp;F)</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>居家创业良机。开创您自己的网络事业，在线赚钱。为您的网站获取本软件的完整品牌定制版。点击此处了解详情。</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>为您的网站定制本软件的联合品牌版，提升网站的用户忠诚度和访问量。在此处放上您网站的名称和链接。详情请参阅“帮助”。点击此处了解联合品牌的更多信息。</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>在线帮助(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>访问我们的网站(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>检查软件更新(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>关于本软件(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>捐助(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>在线赚钱(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>Start the Year at &amp;Li Chun (about 4 February)</source>
        <translation>以立春（2月4日前后）为一年之始(&amp;L)</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The page could not be drawn.</source>
        <translation>无法绘制该页面。</translation>
    </message>
    <message>
        <source>The printing module could not be loaded: %1</source>
        <translation>无法加载打印模块：%1</translation>
    </message>
    <message>
        <source>The file could not be written whole; the disk may be full.</source>
        <translation>无法完整写入文件，磁盘可能已满。</translation>
    </message>
</context>
<context>
    <name>shell::Application</name>
    <message>
        <source>Application is already running</source>
        <translation>本程序已在运行</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>请检查该文件。</translation>
    </message>
    <message>
        <source>The file did not arrive in time. Please try again later.</source>
        <translation>未能及时读取该文件。请稍后再试。</translation>
    </message>
</context>
<context>
    <name>shell::CommandLine</name>
    <message>
        <source>Gives a couple a Feng Shui compatibility reading after the Eight Mansions school.</source>
        <translation>依据八宅派为伴侣双方解读风水相合度。</translation>
    </message>
    <message>
        <source>A saved reading (.fsc) to open.</source>
        <translation>要打开的已保存解读 (.fsc)。</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1：%2
请尝试执行“%1 --help”以了解更多信息。
</translation>
    </message>
    <message>
        <source>%1: only one reading opens at a time; ignored: %2
</source>
        <translation>%1：一次只能打开一份解读；已忽略：%2
</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>显示命令行选项的帮助。</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The name --help gives the file argument, written as the language writes such a placeholder (in capitals where it has them)</extracomment>
        <translation>文件</translation>
    </message>
</context>
<context>
    <name>shell::frmExit</name>
    <message>
        <source>Please support our discussion forum: visit %1 regularly and join the conversation.</source>
        <translation>请支持我们的论坛：经常访问 %1，参与交流。</translation>
    </message>
    <message>
        <source>The forum at %1 lives on its visitors. Drop in now and then to keep it going.</source>
        <translation>%1 上的论坛全靠访客支撑。请不时来看看，让它持续兴旺。</translation>
    </message>
    <message>
        <source>Enjoyed this program? Support the discussion forum behind it by visiting %1 regularly.</source>
        <translation>喜欢这个程序吗？请经常访问 %1，支持它背后的论坛。</translation>
    </message>
    <message>
        <source>Help our discussion forum grow: make %1 one of the sites you visit regularly.</source>
        <translation>帮助我们的论坛成长：把 %1 列为您经常访问的网站之一。</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>请输入您的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>请输入您的电子邮件地址</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>请输入您的留言</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>请输入您朋友的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>请输入您朋友的电子邮件地址</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>电子邮件地址不能包含空格</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>请输入两个不同的电子邮件地址</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>请输入有效的电子邮件地址</translation>
    </message>
</context>
<context>
    <name>ui::Advice</name>
    <message>
        <source>%1 for %2</source>
        <extracomment>Something for someone: &quot;Health for Anna&quot;, &quot;East for you&quot;. %2 is a name, or &quot;you&quot; or &quot;your partner&quot; as translated here: a construction that takes it unchanged, such as &quot;Anna: Health&quot;, keeps the grammar right.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1 favours %2: %3</source>
        <translation>%1对%2有利：%3</translation>
    </message>
    <message>
        <source>you</source>
        <extracomment>Names the user where no name is known (a reading opened from a file), inside the charts&apos; sentences: &quot;Health for you&quot;, &quot;Inner ring: you&quot;</extracomment>
        <translation>您</translation>
    </message>
    <message>
        <source>your partner</source>
        <extracomment>Names the partner where no name is known; see &quot;you&quot;</extracomment>
        <translation>您的伴侣</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A direction and what it holds: &quot;North: Relationship for Anna, Health for Ben&quot;</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The stars of one direction for several: &quot;Relationship for Anna, Health for Ben&quot;</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>Inner ring: %1. Outer ring: %2. %3 good for both.</source>
        <extracomment>%1 and %2 the two names, or &quot;you&quot; and &quot;your partner&quot;; %3 the star that marks a direction good for both</extracomment>
        <translation>内圈为%1，外圈为%2，%3表示对双方皆吉。</translation>
    </message>
    <message>
        <source>A direction is the way you face when you sit or work, and the way the head of the bed points. Lay North on the north of your floor plan as a compass measures it, not on the front door.</source>
        <translation>方位是指您坐着或工作时面朝的方向，以及床头所朝的方向。请将图上的北对准平面图中用指南针测得的北方，而不是对准大门。</translation>
    </message>
    <message>
        <source>You are of one group: your charts share its four favourable directions.</source>
        <translation>双方同属一组：两张方位图共有该组的四个吉方。</translation>
    </message>
    <message>
        <source>You are of different groups: your charts share no favourable direction. Practitioners see this in many couples and do not read it as a verdict on the two of you. Each of you follows your own chart for your own things: desk, seat, your side of the bed.</source>
        <translation>双方分属不同的组：两张方位图没有共同的吉方。风水师在许多伴侣身上都会看到这种情况，并不把它看作对两人关系的评判。各自的事物就按各自的方位图来安排：书桌、座位、自己那一侧的床。</translation>
    </message>
    <message>
        <source>Bed, where its head points, best first</source>
        <translation>床头朝向，最佳在前</translation>
    </message>
    <message>
        <source>Shared bed, worked out from the two charts</source>
        <translation>共用的床，综合两人的方位图推算</translation>
    </message>
    <message>
        <source>Desk or work seat, the way you face</source>
        <translation>书桌或工位，面朝的方向</translation>
    </message>
    <message>
        <source>North</source>
        <comment>inside a sentence</comment>
        <translation>北</translation>
    </message>
    <message>
        <source>North East</source>
        <comment>inside a sentence</comment>
        <translation>东北</translation>
    </message>
    <message>
        <source>East</source>
        <comment>inside a sentence</comment>
        <translation>东</translation>
    </message>
    <message>
        <source>South East</source>
        <comment>inside a sentence</comment>
        <translation>东南</translation>
    </message>
    <message>
        <source>South</source>
        <comment>inside a sentence</comment>
        <translation>南</translation>
    </message>
    <message>
        <source>South West</source>
        <comment>inside a sentence</comment>
        <translation>西南</translation>
    </message>
    <message>
        <source>West</source>
        <comment>inside a sentence</comment>
        <translation>西</translation>
    </message>
    <message>
        <source>North West</source>
        <comment>inside a sentence</comment>
        <translation>西北</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the entries of a list that runs on as one sentence (&quot;North: Health; East: Success&quot;), with the blanks the language writes around it</extracomment>
        <translation>；</translation>
    </message>
    <message>
        <source>A line along the rim: a direction good for your house.</source>
        <translation>外缘的线条表示对住宅为吉的方位。</translation>
    </message>
    <message>
        <source>%1 for the house</source>
        <extracomment>The house&apos;s star in a list of whose star it is, as in &quot;%1 for %2&quot;: &quot;Five Ghosts for the house&quot;</extracomment>
        <translation>%1（住宅）</translation>
    </message>
</context>
<context>
    <name>ui::CompassChart</name>
    <message>
        <source>N</source>
        <extracomment>abbreviation of North on a compass</extracomment>
        <translation>北</translation>
    </message>
    <message>
        <source>NE</source>
        <extracomment>abbreviation of North East on a compass</extracomment>
        <translation>东北</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>abbreviation of East on a compass</extracomment>
        <translation>东</translation>
    </message>
    <message>
        <source>SE</source>
        <extracomment>abbreviation of South East on a compass</extracomment>
        <translation>东南</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>abbreviation of South on a compass</extracomment>
        <translation>南</translation>
    </message>
    <message>
        <source>SW</source>
        <extracomment>abbreviation of South West on a compass</extracomment>
        <translation>西南</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>abbreviation of West on a compass</extracomment>
        <translation>西</translation>
    </message>
    <message>
        <source>NW</source>
        <extracomment>abbreviation of North West on a compass</extracomment>
        <translation>西北</translation>
    </message>
    <message>
        <source>You</source>
        <translation>您</translation>
    </message>
    <message>
        <source>Your Partner</source>
        <translation>您的伴侣</translation>
    </message>
    <message>
        <source>Both of You</source>
        <translation>双方</translation>
    </message>
    <message>
        <source>Suc|cess</source>
        <extracomment>A star&apos;s name on the compass chart. A | marks where the word may break with a hyphen when it does not fit on one line; it is never shown. Give a shorter form where the chart needs one.</extracomment>
        <translation>生气</translation>
    </message>
    <message>
        <source>Health</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>天医</translation>
    </message>
    <message>
        <source>Re|la|tion|ship</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>延年</translation>
    </message>
    <message>
        <source>Per|son|al</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>伏位</translation>
    </message>
    <message>
        <source>Mis|haps</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>祸害</translation>
    </message>
    <message>
        <source>Five Ghosts</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>五鬼</translation>
    </message>
    <message>
        <source>Six Kill|ings</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>六煞</translation>
    </message>
    <message>
        <source>Total Loss</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>绝命</translation>
    </message>
</context>
<context>
    <name>ui::DirectionsPanel</name>
    <message>
        <source>Your directions</source>
        <translation>您的方位</translation>
    </message>
    <message>
        <source>Your partner&apos;s directions</source>
        <translation>伴侣的方位</translation>
    </message>
    <message>
        <source>Your directions and your partner&apos;s</source>
        <translation>您与伴侣的方位</translation>
    </message>
    <message>
        <source>Your directions and advice</source>
        <translation>双方的方位与建议</translation>
    </message>
</context>
<context>
    <name>ui::House</name>
    <message>
        <source>a %1 house of the East group</source>
        <extracomment>A house after the trigram of the side it sits on: &quot;a Kan house of the East group&quot;</extracomment>
        <translation>%1宅（东四宅）</translation>
    </message>
    <message>
        <source>a %1 house of the West group</source>
        <extracomment>See &quot;a %1 house of the East group&quot;</extracomment>
        <translation>%1宅（西四宅）</translation>
    </message>
    <message>
        <source>Your house: %1</source>
        <translation>您的住宅：%1</translation>
    </message>
    <message>
        <source>Type the facing in degrees, from 0 to 359.9, as the compass shows it.</source>
        <translation>请输入朝向的度数（0至359.9），以指南针所示为准。</translation>
    </message>
    <message>
        <source>%1: faces %2, sits %3: %4</source>
        <extracomment>%1 the degrees, %2 the direction the house faces, %3 the one it sits on (both as inside a sentence), %4 the house: &quot;183°: faces South, sits North: a Kan house of the East group&quot;</extracomment>
        <translation>%1：坐%3向%2，为%4</translation>
    </message>
    <message>
        <source>%1 lies on the line between %2 and %3: the house is either %4 or %5. Measure again, a step to one side, to tell which.</source>
        <extracomment>%1 the degrees, %2 and %3 the two directions it lies between, %4 and %5 the two houses</extracomment>
        <translation>%1正好落在%2与%3的分界线上：此宅可能是%4，也可能是%5。请往旁边挪一步再测一次，以确定是哪一种。</translation>
    </message>
    <message>
        <source>%1: of the East group, like the house</source>
        <translation>%1：属东四命，与东四宅相配</translation>
    </message>
    <message>
        <source>%1: of the West group, like the house</source>
        <translation>%1：属西四命，与西四宅相配</translation>
    </message>
    <message>
        <source>%1: of the East group, in a West-group house: inside it, use your own favourable directions</source>
        <translation>%1：属东四命，住的是西四宅，宅内宜用自己的吉方</translation>
    </message>
    <message>
        <source>%1: of the West group, in an East-group house: inside it, use your own favourable directions</source>
        <translation>%1：属西四命，住的是东四宅，宅内宜用自己的吉方</translation>
    </message>
    <message>
        <source>The facing is the side the house looks out of, usually the side of the front door, not a balcony. Stand outside the main door, looking out, away from metal and cars, and type the degrees the compass shows (magnetic north). Without a compass, choose the direction.</source>
        <translation>朝向是房屋向外所对的一面，通常是大门所在的一面，而不是阳台。请站在大门外，面朝外，远离金属和汽车，输入指南针显示的度数（磁北）。没有指南针时，请选择方向。</translation>
    </message>
</context>
<context>
    <name>ui::HouseBox</name>
    <message>
        <source>Your House</source>
        <translation>您的住宅</translation>
    </message>
    <message>
        <source>Facing of your house in degrees</source>
        <translation>住宅朝向的度数</translation>
    </message>
    <message>
        <source>The direction your house faces</source>
        <translation>住宅的朝向</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>请选择</translation>
    </message>
    <message>
        <source>Forget This House</source>
        <translation>清除住宅</translation>
    </message>
    <message>
        <source>Facing in degrees:</source>
        <translation>朝向度数：</translation>
    </message>
    <message>
        <source>or the direction:</source>
        <translation>或选择方向：</translation>
    </message>
    <message>
        <source>Plan of Your Home...</source>
        <translation>住宅平面图...</translation>
    </message>
</context>
<context>
    <name>ui::Plan</name>
    <message>
        <source>House</source>
        <extracomment>Names the house on a plan&apos;s sector: &quot;House: Five Ghosts&quot;</extracomment>
        <translation>住宅</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Whose star, then the star, on a plan&apos;s sector: &quot;Anna: Mishaps&quot;</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The letter on the plan&apos;s north arrow</extracomment>
        <translation>北</translation>
    </message>
    <message>
        <source>The middle of the home, which belongs to no direction.</source>
        <translation>住宅的中央，不属于任何方位。</translation>
    </message>
    <message>
        <source>On the line between %1 and %2, which a compass held by hand cannot tell apart.</source>
        <extracomment>%1 and %2 two directions</extracomment>
        <translation>位于%1与%2的分界线上，手持指南针无法分辨。</translation>
    </message>
    <message>
        <source>North is turned %1 clockwise from the plan&apos;s top.</source>
        <extracomment>%1 an angle in degrees: &quot;North is turned 30° clockwise from the plan&apos;s top.&quot;</extracomment>
        <translation>北方自平面图正上方顺时针旋转了%1。</translation>
    </message>
    <message>
        <source>The centre lies %1% across and %2% down the plan.</source>
        <extracomment>%1 and %2 shares in per cent of the plan&apos;s width and height</extracomment>
        <translation>中心位于平面图从左起%1%、从上起%2%处。</translation>
    </message>
    <message>
        <source>Your Home</source>
        <translation>您的住宅</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <extracomment>%1 a date</extracomment>
        <translation>制作日期：%1</translation>
    </message>
    <message>
        <source>+ and green: favourable for all shown. − and red: unfavourable for all shown. No colour: favourable for some, unfavourable for others.</source>
        <translation>+ 和绿色：对所显示的各方皆吉。− 和红色：对所显示的各方皆凶。无颜色：对部分吉，对部分凶。</translation>
    </message>
    <message>
        <source>This file cannot be read as a plan. Please choose a picture file of at most 64 MB on this computer.</source>
        <translation>无法将此文件作为平面图读取。请选择此电脑上不超过 64 MB 的图片文件。</translation>
    </message>
    <message>
        <source>This file is no PNG or JPEG picture. Please choose a picture of your home&apos;s plan.</source>
        <translation>此文件不是 PNG 或 JPEG 图片。请选择您住宅平面图的图片。</translation>
    </message>
    <message>
        <source>This picture is damaged or incomplete. Please choose another copy of it.</source>
        <translation>此图片已损坏或不完整。请选择该图片的另一份副本。</translation>
    </message>
    <message>
        <source>This picture is too large. Please choose a plan of at most 40 million pixels.</source>
        <translation>此图片过大。请选择不超过 4000 万像素的平面图。</translation>
    </message>
    <message>
        <source>The picture did not arrive in time. Please copy it onto this computer and try again.</source>
        <translation>未能及时读取该图片。请将其复制到此电脑后再试。</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>平面图</translation>
    </message>
    <message>
        <source>Open a picture of your home&apos;s plan, a PNG or JPEG file, or drop it here.</source>
        <translation>请打开您住宅平面图的图片（PNG 或 JPEG 文件），或将其拖放到此处。</translation>
    </message>
</context>
<context>
    <name>ui::ReadingPage</name>
    <message>
        <source>Feng Shui Compatibility Reading for %1</source>
        <translation>%1的风水相合度解读</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>日期：%1</translation>
    </message>
    <message>
        <source>You</source>
        <translation>您</translation>
    </message>
    <message>
        <source>Your Partner</source>
        <translation>您的伴侣</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>方位</translation>
    </message>
    <message>
        <source>Kua Number</source>
        <translation>命卦数</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>组别</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>五行</translation>
    </message>
    <message>
        <source>Trigram</source>
        <translation>命卦</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The code of this translation&apos;s language, as in its file name</comment>
        <translation>zh_CN</translation>
    </message>
</context>
<context>
    <name>ui::frmFengShuiCompatibilityResult</name>
    <message>
        <source>Your Kua Number</source>
        <translation>您的命卦数</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Kua Number</source>
        <translation>伴侣的命卦数</translation>
    </message>
    <message>
        <source>Trigram Compatibility</source>
        <translation>命卦相合度</translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation>%1图片</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>无图片</translation>
    </message>
    <message>
        <source>Feng Shui Compatibility</source>
        <translation>风水相合度</translation>
    </message>
    <message>
        <source>Rich Text Format (*.fsc)</source>
        <translation>富文本格式 (*.fsc)</translation>
    </message>
    <message>
        <source>Could Not Save The File.
%1</source>
        <translation>无法保存该文件。
%1</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>导出为 PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Could Not Export The File.
%1</source>
        <translation>无法导出该文件。
%1</translation>
    </message>
    <message>
        <source>Could Not Print The Reading.
%1</source>
        <translation>无法打印该解读。
%1</translation>
    </message>
    <message>
        <source>Your Directions</source>
        <translation>双方的方位</translation>
    </message>
</context>
<context>
    <name>ui::frmHomePlan</name>
    <message>
        <source>Your Home</source>
        <translation>您的住宅</translation>
    </message>
    <message>
        <source>Open Plan...</source>
        <translation>打开平面图...</translation>
    </message>
    <message>
        <source>North, in degrees clockwise from the plan&apos;s top</source>
        <translation>北方方向（自平面图正上方顺时针计的度数）</translation>
    </message>
    <message>
        <source>Align with the Front Door</source>
        <translation>按大门对齐</translation>
    </message>
    <message>
        <source>Eight sectors</source>
        <translation>八个扇区</translation>
    </message>
    <message>
        <source>A 3 × 3 grid</source>
        <translation>3 × 3 九宫格</translation>
    </message>
    <message>
        <source>The house</source>
        <translation>住宅</translation>
    </message>
    <message>
        <source>What each part of the plan holds</source>
        <translation>平面图各部分的内容</translation>
    </message>
    <message>
        <source>The centre: draw the rectangle around the home; its diagonals cross at the centre. A part missing or sticking out by less than a third of its side counts as inside. Drag the centre, or the tip of the north arrow. Keys on the plan: the arrows move it, Ctrl and the arrows move the centre, + and − zoom, 0 fits it.</source>
        <translation>中心：围绕住宅画出矩形，其对角线的交点即为中心。缺角或凸出部分不足所在边长三分之一的，算作在内。可拖动中心或北向箭头的尖端。平面图上的按键：方向键移动平面图，Ctrl 加方向键移动中心，+ 和 − 缩放，0 显示整个平面图。</translation>
    </message>
    <message>
        <source>Forget This Plan</source>
        <translation>清除平面图</translation>
    </message>
    <message>
        <source>&amp;North, clockwise from the plan&apos;s top:</source>
        <translation>北方（自平面图正上方顺时针）(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Divide the plan into:</source>
        <translation>平面图划分方式(&amp;D)：</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>显示：</translation>
    </message>
    <message>
        <source>Click the front door on the plan, or move the marker with the arrows and press Enter.</source>
        <translation>请在平面图上点击大门，或用方向键移动标记后按 Enter 键。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open Plan...</source>
        <translation>打开平面图(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Export Plan as PDF...</source>
        <translation>将平面图导出为 PDF(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Print Plan...</source>
        <translation>打印平面图(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Fit the Plan</source>
        <translation>显示整个平面图(&amp;F)</translation>
    </message>
    <message>
        <source>Open the Plan of Your Home</source>
        <translation>打开住宅平面图</translation>
    </message>
    <message>
        <source>Plans (*.png *.jpg *.jpeg)</source>
        <translation>平面图 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The kept plan of your home could not be opened again.
%1</source>
        <translation>无法重新打开已保存的住宅平面图。
%1</translation>
    </message>
    <message>
        <source>There is no folder to keep it in.</source>
        <translation>没有可用于保存的文件夹。</translation>
    </message>
    <message>
        <source>The plan is shown, but it could not be kept for the next start.
%1</source>
        <translation>平面图已显示，但无法保存以供下次启动时使用。
%1</translation>
    </message>
    <message>
        <source>Enter your house&apos;s facing on the Your Directions tab.</source>
        <translation>请在“双方的方位”选项卡中输入住宅朝向。</translation>
    </message>
    <message>
        <source>The front door cannot be the centre. Please pick it again.</source>
        <translation>大门不能位于中心。请重新选择。</translation>
    </message>
    <message>
        <source>Could Not Print The Plan.
%1</source>
        <translation>无法打印该平面图。
%1</translation>
    </message>
    <message>
        <source>Export Plan as PDF</source>
        <translation>将平面图导出为 PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Could Not Export The File.
%1</source>
        <translation>无法导出该文件。
%1</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>January</source>
        <translation>一月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>二月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>三月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>四月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>五月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>六月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>七月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>八月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>九月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>十月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>十一月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>十二月</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>请输入您的姓名</translation>
    </message>
    <message>
        <source>Please Specify Your Sex</source>
        <translation>请选择您的性别</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <translation>请输入您伴侣的姓名</translation>
    </message>
    <message>
        <source>Please Specify Your Partner&apos;s Sex</source>
        <translation>请选择您伴侣的性别</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>请输入正确的日期或月份！</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>请输入正确的日期或月份！</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>选择要打开的文件</translation>
    </message>
    <message>
        <source>Feng Shui Compatibility (*.fsc)</source>
        <translation>风水相合度 (*.fsc)</translation>
    </message>
</context>
</TS>
