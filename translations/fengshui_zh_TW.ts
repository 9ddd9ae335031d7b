<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CountedYear</name>
    <message>
        <source>Counted from %1: born before %2</source>
        <extracomment>%1 the year counted, %2 the date the year starts on: &quot;1 March 1985&quot;</extracomment>
        <translation>按%1年計算：生於%2之前</translation>
    </message>
    <message>
        <source>Counted from %1: born on or after %2</source>
        <translation>按%1年計算：生於%2或之後</translation>
    </message>
    <message>
        <source>Counted from %1: born before Li Chun (%2)</source>
        <extracomment>%1 the year counted, %2 Li Chun&apos;s date: &quot;4 February 1985&quot;</extracomment>
        <translation>按%1年計算：生於立春（%2）之前</translation>
    </message>
    <message>
        <source>Counted from %1: born on the day of Li Chun (%2), when the hour of birth decides</source>
        <translation>按%1年計算：生於立春當天（%2），須視出生時辰而定</translation>
    </message>
    <message>
        <source>Counted from %1: born on or after Li Chun (%2)</source>
        <translation>按%1年計算：生於立春（%2）或之後</translation>
    </message>
    <message>
        <source>Counted from 1 March, your Kua number would be %1.</source>
        <translation>若從3月1日起算，您的命卦數則為%1。</translation>
    </message>
    <message>
        <source>Counted from 1 March, your partner&apos;s Kua number would be %1.</source>
        <translation>若從3月1日起算，您伴侶的命卦數則為%1。</translation>
    </message>
    <message>
        <source>Counted from Li Chun, your Kua number would be %1.</source>
        <translation>若從立春起算，您的命卦數則為%1。</translation>
    </message>
    <message>
        <source>Counted from Li Chun, your partner&apos;s Kua number would be %1.</source>
        <translation>若從立春起算，您伴侶的命卦數則為%1。</translation>
    </message>
</context>
<context>
    <name>ReadingWords</name>
    <message>
        <source>No character reading is known for this Kua number.</source>
        <translation>目前沒有此命卦數的性格解讀。</translation>
    </message>
    <message>
        <source>You will flow like water. You have a flexible and adjusting nature. You may seem stable but in reality you are restless. You will make a good leader, as you are confident and clear about your decisions. You have a magnetic personality.<byte value="xd"/>
<byte value="xd"/>
Element Water is compatible with elements Tree and Metal.<byte value="xd"/>
<byte value="xd"/>
Element Water is not compatible with elements Fire and Soil</source>
        <translation>您像水一樣隨勢而動，天性靈活，善於調適；看似穩定，其實內心靜不下來。您對自己的決定充滿自信、清楚明確，因此能成為出色的領導者。您的個性極具吸引力。<byte value="xd"/>
<byte value="xd"/>
五行中，水與樹、金相合。<byte value="xd"/>
<byte value="xd"/>
五行中，水與火、土壤不相合。</translation>
    </message>
    <message>
        <source>You are grounded and have strong roots that spread throughout the soil. You are very loyal and dependable. At the same time you can be stubborn and stick to your decisions. You can be the best friend or the worst enemy.<byte value="xd"/>
<byte value="xd"/>
Element Earth is compatible with elements Fire and Metal.<byte value="xd"/>
<byte value="xd"/>
Element Earth is compatible with elements Wood and Water.</source>
        <translation>您腳踏實地，擁有深植土壤、向四方延伸的強健根系。為人非常忠誠可靠，但有時也很固執，一旦決定就堅持到底。您可以是最好的朋友，也可能是最可怕的敵人。<byte value="xd"/>
<byte value="xd"/>
五行中，土與火、金相合。<byte value="xd"/>
<byte value="xd"/>
五行中，土與木、水相合。</translation>
    </message>
    <message>
        <source>You are a deep thinker and believe in discovering things for yourself. You are disciplined and methodical by nature. You believe more in quality than quantity.<byte value="xd"/>
<byte value="xd"/>
Element Metal is compatible with elements Water and Soil.<byte value="xd"/>
<byte value="xd"/>
Element Metal is not compatible with elements Fire and Wood.    </source>
        <translation>您善於深入思考，凡事喜歡親自去發掘。天性自律，做事有條不紊。比起數量，您更重視品質。<byte value="xd"/>
<byte value="xd"/>
五行中，金與水、土壤相合。<byte value="xd"/>
<byte value="xd"/>
五行中，金與火、木不相合。    </translation>
    </message>
    <message>
        <source>You are committed to your work and always fulfill your commitments. You are always young at heart and aim to reach the top and spread out.<byte value="xd"/>
<byte value="xd"/>
Element Wood is compatible with elements Water and Fire.<byte value="xd"/>
<byte value="xd"/>
Element Wood is not compatible with elements Fire and Tree.</source>
        <translation>您全心投入工作，總是信守自己的承諾。永遠保有一顆年輕的心，志在攀上頂峰、向四面伸展。<byte value="xd"/>
<byte value="xd"/>
五行中，木與水、火相合。<byte value="xd"/>
<byte value="xd"/>
五行中，木與火、樹不相合。</translation>
    </message>
    <message>
        <source>You have a lot of passion and fire burning inside you. You have an attractive personality and are always enthusiastic about doing things. You need to be surrounded by people and hate loneliness.<byte value="xd"/>
<byte value="xd"/>
Element Fire is compatible with elements Wood and Soil.<byte value="xd"/>
<byte value="xd"/>
Element Fire is not compatible with elements Metal and Soil.</source>
        <translation>您的內心燃燒著滿腔熱情與火焰。個性迷人，做事總是熱情十足。您需要有人圍繞在身邊，討厭孤單。<byte value="xd"/>
<byte value="xd"/>
五行中，火與木、土壤相合。<byte value="xd"/>
<byte value="xd"/>
五行中，火與金、土壤不相合。</translation>
    </message>
    <message>
        <source>East</source>
        <comment>group</comment>
        <translation>東四命</translation>
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
        <translation>兌</translation>
    </message>
    <message>
        <source>Ken</source>
        <comment>trigram</comment>
        <translation>艮</translation>
    </message>
    <message>
        <source>Li</source>
        <comment>trigram</comment>
        <translation>離</translation>
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
        <translation>綠色</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>colour</comment>
        <translation>藍色</translation>
    </message>
    <message>
        <source>Orange</source>
        <comment>colour</comment>
        <translation>橘色</translation>
    </message>
    <message>
        <source>Gray</source>
        <comment>colour</comment>
        <translation>灰色</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>colour</comment>
        <translation>紅色</translation>
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
        <translation>東北</translation>
    </message>
    <message>
        <source>East</source>
        <comment>direction</comment>
        <translation>東</translation>
    </message>
    <message>
        <source>South East</source>
        <comment>direction</comment>
        <translation>東南</translation>
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
        <translation>極佳</translation>
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
        <translation>極差</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <extracomment>The pair of trigrams, the user&apos;s first: &quot;Kun-Kun&quot;</extracomment>
        <translation>%1與%2</translation>
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
        <translation>本軟體可能有可用的更新。<byte value="xd"/>您要檢查是否有更新嗎？</translation>
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
        <translation>程式圖片</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the compatibility of Kua or Gua numbers of two people according to the Eight Mansions School of Feng Shui. This software shows how your personal trigram reflects how you affect or get affected by other people.</source>
        <translation>VA Zuvo Dada Vuvizoreduror 依據風水八宅派，以兩人命卦數的相合程度為基礎。本軟體為您呈現您的命卦如何反映出您對他人的影響，以及他人對您的影響。</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>歡迎造訪 %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>居家創業良機。開創您自己的網路事業，線上賺錢。為您的網站取得本軟體的完整品牌自訂版。</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>按一下這裡了解詳情</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
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
        <translation>程式圖片</translation>
    </message>
    <message>
        <source>Yes, take me to the discussion forum at %1</source>
        <translation>好的，帶我前往 %1 的討論區</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>推薦給朋友</translation>
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
        <translation>您的電子郵件地址</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>您的電子郵件地址</translation>
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
        <translation>朋友的電子郵件地址</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>朋友的電子郵件地址</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>立即推薦給朋友(&amp;N)</translation>
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
        <translation>下載我們的其他程式</translation>
    </message>
    <message>
        <source>Besides this program we publish a range of other small programs for home and office. Each one is free to try, quick to install and easy to use.

Every program has a page of its own with a short description, a picture and a download link, so you can see what it does before you fetch it.

Browse the whole catalogue at %1 and pick the programs that suit you.</source>
        <translation>除了本程式之外，我們還推出一系列適合居家與辦公室使用的小程式。每一款都可免費試用，安裝快速，簡單好用。

每款程式都有專屬的網頁，附有簡短介紹、一張圖片和下載連結，讓您在下載之前就能知道它的功能。

請造訪 %1 瀏覽完整目錄，挑選適合您的程式。</translation>
    </message>
    <message>
        <source>Visit the program catalogue</source>
        <translation>造訪程式目錄</translation>
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
        <translation>加入我們的討論區：%1</translation>
    </message>
    <message>
        <source>Feng Shui Kua Number </source>
        <translation>風水命卦數 </translation>
    </message>
    <message>
        <source>Your Kua Number is: </source>
        <translation>您的命卦數為：</translation>
    </message>
    <message>
        <source>Kua or Gua Number calculated according to the Eight Mansions School of Feng Shui helps one attain prosperity and everlasting success. It is calculated on basis of your birth and gender details.</source>
        <translation>依據風水八宅派計算出的命卦數，可助人獲得財富與長久的成功。命卦數是根據您的出生日期與性別推算而得。</translation>
    </message>
    <message>
        <source>Your Color is:</source>
        <translation>您的顏色為：</translation>
    </message>
    <message>
        <source>Your Element is: </source>
        <translation>您的五行屬性為：</translation>
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
        <translation> 風水命卦數 </translation>
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
        <translation>顏色</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>生氣</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>天醫</translation>
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
        <translation>禍害</translation>
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
        <translation>絕命</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Trigram</source>
        <translation>伴侶的命卦</translation>
    </message>
    <message>
        <source>Compatibility Interpretation</source>
        <translation>相合度解讀</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>為您的網站推出本軟體的聯名版本。提升網站的訪客忠誠度與流量。在這裡放上您網站的名稱和連結。詳情請參閱「說明」。按一下這裡了解聯名品牌的更多資訊。</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>居家創業良機。開創您自己的網路事業，線上賺錢。為您的網站取得本軟體的完整品牌自訂版。按一下這裡了解詳情。</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>線上說明(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>造訪我們的網站(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>檢查軟體更新(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>關於本軟體(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>捐款(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>線上賺錢(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>列印(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>匯出為 PDF(&amp;E)...</translation>
    </message>
    <message>
        <source>Plan of Your &amp;Home...</source>
        <translation>住宅平面圖(&amp;H)...</translation>
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
        <translation>加入我們的討論區：%1</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the calculation of Kua or Gua numbers of two people. The Kua or Gua Number is calculated according to the Eight Mansions School of Feng Shui. This number helps one attain prosperity and everlasting success. It is calculated on the basis of your birth and gender details.</source>
        <translation>VA Zuvo Dada Vuvizoreduror 以計算兩人的命卦數為基礎。命卦數依據風水八宅派計算，可助人獲得財富與長久的成功，是根據您的出生日期與性別推算而得。</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the principle that the Kua number for a person helps one analyze their destiny and defines their auspicious and inauspicious directions. People of compatible direction groups get along well with each while those of opposing direction groups do not. VA Zuvo Dada Vuvizoreduror helps you analyze your relationship on the basis of this school of Feng Shui.</source>
        <translation>VA Zuvo Dada Vuvizoreduror 所依據的原理是：一個人的命卦數有助於分析其命運，並界定其吉方與凶方。同屬東四命或同屬西四命的人彼此相處融洽，分屬兩組的人則不然。VA Zuvo Dada Vuvizoreduror 依據此一風水流派，協助您分析兩人的關係。</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>開啟先前儲存的解讀(&amp;O)</translation>
    </message>
    <message>
        <source>Your Details Please</source>
        <translation>請填寫您的資料</translation>
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
        <translation>性別</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>男</translation>
    </message>
    <message>
        <source>Your sex: male</source>
        <translation>您的性別：男</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>女</translation>
    </message>
    <message>
        <source>Your sex: female</source>
        <translation>您的性別：女</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Details Please</source>
        <translation>請填寫您伴侶的資料</translation>
    </message>
    <message>
        <source>Your partner&apos;s name</source>
        <translation>您伴侶的姓名</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth day</source>
        <translation>您伴侶的出生日</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth month</source>
        <translation>您伴侶的出生月份</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth year</source>
        <translation>您伴侶的出生年份</translation>
    </message>
    <message>
        <source>Your partner&apos;s sex: male</source>
        <translation>您伴侶的性別：男</translation>
    </message>
    <message>
        <source>Your partner&apos;s sex: female</source>
        <translation>您伴侶的性別：女</translation>
    </message>
    <message>
        <source>&amp;Find Our Feng Shui Compatibility</source>
        <translation>查看雙方的風水相合度(&amp;F)</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>居家創業良機。開創您自己的網路事業，線上賺錢。為您的網站取得本軟體的完整品牌自訂版。按一下這裡了解詳情。</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>為您的網站推出本軟體的聯名版本。提升網站的訪客忠誠度與流量。在這裡放上您網站的名稱和連結。詳情請參閱「說明」。按一下這裡了解聯名品牌的更多資訊。</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>線上說明(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>造訪我們的網站(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>檢查軟體更新(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>關於本軟體(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>捐款(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>線上賺錢(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>Start the Year at &amp;Li Chun (about 4 February)</source>
        <translation>以立春（2月4日前後）為一年之始(&amp;L)</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The page could not be drawn.</source>
        <translation>無法繪製該頁面。</translation>
    </message>
    <message>
        <source>The printing module could not be loaded: %1</source>
        <translation>無法載入列印模組：%1</translation>
    </message>
    <message>
        <source>The file could not be written whole; the disk may be full.</source>
        <translation>無法完整寫入檔案，磁碟可能已滿。</translation>
    </message>
</context>
<context>
    <name>shell::Application</name>
    <message>
        <source>Application is already running</source>
        <translation>本程式已在執行中</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>請檢查該檔案。</translation>
    </message>
    <message>
        <source>The file did not arrive in time. Please try again later.</source>
        <translation>未能及時讀取該檔案。請稍後再試。</translation>
    </message>
</context>
<context>
    <name>shell::CommandLine</name>
    <message>
        <source>Gives a couple a Feng Shui compatibility reading after the Eight Mansions school.</source>
        <translation>依據八宅派為伴侶雙方解讀風水相合度。</translation>
    </message>
    <message>
        <source>A saved reading (.fsc) to open.</source>
        <translation>要開啟的已儲存解讀 (.fsc)。</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1：%2
請嘗試執行「%1 --help」以取得更多資訊。
</translation>
    </message>
    <message>
        <source>%1: only one reading opens at a time; ignored: %2
</source>
        <translation>%1：一次只能開啟一份解讀；已忽略：%2
</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>顯示指令列選項的說明。</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The name --help gives the file argument, written as the language writes such a placeholder (in capitals where it has them)</extracomment>
        <translation>檔案</translation>
    </message>
</context>
<context>
    <name>shell::frmExit</name>
    <message>
        <source>Please support our discussion forum: visit %1 regularly and join the conversation.</source>
        <translation>請支持我們的討論區：經常造訪 %1，一起加入討論。</translation>
    </message>
    <message>
        <source>The forum at %1 lives on its visitors. Drop in now and then to keep it going.</source>
        <translation>%1 的討論區全靠訪客撐起來。請不時來逛逛，讓它持續熱絡。</translation>
    </message>
    <message>
        <source>Enjoyed this program? Support the discussion forum behind it by visiting %1 regularly.</source>
        <translation>喜歡這個程式嗎？請經常造訪 %1，支持背後的討論區。</translation>
    </message>
    <message>
        <source>Help our discussion forum grow: make %1 one of the sites you visit regularly.</source>
        <translation>幫助我們的討論區成長：把 %1 列為您經常造訪的網站之一。</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>請輸入您的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>請輸入您的電子郵件地址</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>請輸入您的留言</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>請輸入您朋友的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>請輸入您朋友的電子郵件地址</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>電子郵件地址不可包含空格</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>請輸入兩個不同的電子郵件地址</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>請輸入有效的電子郵件地址</translation>
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
        <translation>%1對%2有利：%3</translation>
    </message>
    <message>
        <source>you</source>
        <extracomment>Names the user where no name is known (a reading opened from a file), inside the charts&apos; sentences: &quot;Health for you&quot;, &quot;Inner ring: you&quot;</extracomment>
        <translation>您</translation>
    </message>
    <message>
        <source>your partner</source>
        <extracomment>Names the partner where no name is known; see &quot;you&quot;</extracomment>
        <translation>您的伴侶</translation>
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
        <translation>內圈為%1，外圈為%2，%3表示對雙方皆吉。</translation>
    </message>
    <message>
        <source>A direction is the way you face when you sit or work, and the way the head of the bed points. Lay North on the north of your floor plan as a compass measures it, not on the front door.</source>
        <translation>方位是指您坐著或工作時面向的方向，以及床頭所朝的方向。請將圖上的北對準平面圖中以指南針測得的北方，而不是對準大門。</translation>
    </message>
    <message>
        <source>You are of one group: your charts share its four favourable directions.</source>
        <translation>雙方同屬一組：兩張方位圖共有該組的四個吉方。</translation>
    </message>
    <message>
        <source>You are of different groups: your charts share no favourable direction. Practitioners see this in many couples and do not read it as a verdict on the two of you. Each of you follows your own chart for your own things: desk, seat, your side of the bed.</source>
        <translation>雙方分屬不同的組：兩張方位圖沒有共同的吉方。風水師在許多伴侶身上都會看到這種情況，並不將它視為對兩人關係的評判。各自的事物就依各自的方位圖來安排：書桌、座位、自己那一側的床。</translation>
    </message>
    <message>
        <source>Bed, where its head points, best first</source>
        <translation>床頭朝向，最佳在前</translation>
    </message>
    <message>
        <source>Shared bed, worked out from the two charts</source>
        <translation>共用的床，綜合兩人的方位圖推算</translation>
    </message>
    <message>
        <source>Desk or work seat, the way you face</source>
        <translation>書桌或工作座位，面向的方位</translation>
    </message>
    <message>
        <source>North</source>
        <comment>inside a sentence</comment>
        <translation>北</translation>
    </message>
    <message>
        <source>North East</source>
        <comment>inside a sentence</comment>
        <translation>東北</translation>
    </message>
    <message>
        <source>East</source>
        <comment>inside a sentence</comment>
        <translation>東</translation>
    </message>
    <message>
        <source>South East</source>
        <comment>inside a sentence</comment>
        <translation>東南</translation>
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
        <translation>外緣的線條表示對住宅為吉的方位。</translation>
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
        <translation>東北</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>abbreviation of East on a compass</extracomment>
        <translation>東</translation>
    </message>
    <message>
        <source>SE</source>
        <extracomment>abbreviation of South East on a compass</extracomment>
        <translation>東南</translation>
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
        <translation>您的伴侶</translation>
    </message>
    <message>
        <source>Both of You</source>
        <translation>雙方</translation>
    </message>
    <message>
        <source>Suc|cess</source>
        <extracomment>A star&apos;s name on the compass chart. A | marks where the word may break with a hyphen when it does not fit on one line; it is never shown. Give a shorter form where the chart needs one.</extracomment>
        <translation>生氣</translation>
    </message>
    <message>
        <source>Health</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>天醫</translation>
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
        <translation>禍害</translation>
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
        <translation>絕命</translation>
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
        <translation>伴侶的方位</translation>
    </message>
    <message>
        <source>Your directions and your partner&apos;s</source>
        <translation>您與伴侶的方位</translation>
    </message>
    <message>
        <source>Your directions and advice</source>
        <translation>雙方的方位與建議</translation>
    </message>
</context>
<context>
    <name>ui::House</name>
    <message>
        <source>a %1 house of the East group</source>
        <extracomment>A house after the trigram of the side it sits on: &quot;a Kan house of the East group&quot;</extracomment>
        <translation>%1宅（東四宅）</translation>
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
        <translation>請輸入朝向的度數（0至359.9），以指南針所示為準。</translation>
    </message>
    <message>
        <source>%1: faces %2, sits %3: %4</source>
        <extracomment>%1 the degrees, %2 the direction the house faces, %3 the one it sits on (both as inside a sentence), %4 the house: &quot;183°: faces South, sits North: a Kan house of the East group&quot;</extracomment>
        <translation>%1：坐%3向%2，為%4</translation>
    </message>
    <message>
        <source>%1 lies on the line between %2 and %3: the house is either %4 or %5. Measure again, a step to one side, to tell which.</source>
        <extracomment>%1 the degrees, %2 and %3 the two directions it lies between, %4 and %5 the two houses</extracomment>
        <translation>%1正好落在%2與%3的分界線上：此宅可能是%4，也可能是%5。請往旁邊挪一步再測一次，以確定是哪一種。</translation>
    </message>
    <message>
        <source>%1: of the East group, like the house</source>
        <translation>%1：屬東四命，與東四宅相配</translation>
    </message>
    <message>
        <source>%1: of the West group, like the house</source>
        <translation>%1：屬西四命，與西四宅相配</translation>
    </message>
    <message>
        <source>%1: of the East group, in a West-group house: inside it, use your own favourable directions</source>
        <translation>%1：屬東四命，住的是西四宅，宅內宜用自己的吉方</translation>
    </message>
    <message>
        <source>%1: of the West group, in an East-group house: inside it, use your own favourable directions</source>
        <translation>%1：屬西四命，住的是東四宅，宅內宜用自己的吉方</translation>
    </message>
    <message>
        <source>The facing is the side the house looks out of, usually the side of the front door, not a balcony. Stand outside the main door, looking out, away from metal and cars, and type the degrees the compass shows (magnetic north). Without a compass, choose the direction.</source>
        <translation>朝向是房屋向外所對的一面，通常是大門所在的一面，而不是陽台。請站在大門外，面朝外，遠離金屬和汽車，輸入指南針顯示的度數（磁北）。沒有指南針時，請選擇方向。</translation>
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
        <translation>住宅朝向的度數</translation>
    </message>
    <message>
        <source>The direction your house faces</source>
        <translation>住宅的朝向</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>請選擇</translation>
    </message>
    <message>
        <source>Forget This House</source>
        <translation>清除住宅</translation>
    </message>
    <message>
        <source>Facing in degrees:</source>
        <translation>朝向度數：</translation>
    </message>
    <message>
        <source>or the direction:</source>
        <translation>或選擇方向：</translation>
    </message>
    <message>
        <source>Plan of Your Home...</source>
        <translation>住宅平面圖...</translation>
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
        <translation>住宅的中央，不屬於任何方位。</translation>
    </message>
    <message>
        <source>On the line between %1 and %2, which a compass held by hand cannot tell apart.</source>
        <extracomment>%1 and %2 two directions</extracomment>
        <translation>位於%1與%2的分界線上，手持指南針無法分辨。</translation>
    </message>
    <message>
        <source>North is turned %1 clockwise from the plan&apos;s top.</source>
        <extracomment>%1 an angle in degrees: &quot;North is turned 30° clockwise from the plan&apos;s top.&quot;</extracomment>
        <translation>北方自平面圖正上方順時針旋轉了%1。</translation>
    </message>
    <message>
        <source>The centre lies %1% across and %2% down the plan.</source>
        <extracomment>%1 and %2 shares in per cent of the plan&apos;s width and height</extracomment>
        <translation>中心位於平面圖從左起%1%、從上起%2%處。</translation>
    </message>
    <message>
        <source>Your Home</source>
        <translation>您的住宅</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <extracomment>%1 a date</extracomment>
        <translation>製作日期：%1</translation>
    </message>
    <message>
        <source>+ and green: favourable for all shown. − and red: unfavourable for all shown. No colour: favourable for some, unfavourable for others.</source>
        <translation>+ 和綠色：對所顯示的各方皆吉。− 和紅色：對所顯示的各方皆凶。無顏色：對部分吉，對部分凶。</translation>
    </message>
    <message>
        <source>This file cannot be read as a plan. Please choose a picture file of at most 64 MB on this computer.</source>
        <translation>無法將此檔案作為平面圖讀取。請選擇這台電腦上不超過 64 MB 的圖片檔案。</translation>
    </message>
    <message>
        <source>This file is no PNG or JPEG picture. Please choose a picture of your home&apos;s plan.</source>
        <translation>此檔案不是 PNG 或 JPEG 圖片。請選擇您住宅平面圖的圖片。</translation>
    </message>
    <message>
        <source>This picture is damaged or incomplete. Please choose another copy of it.</source>
        <translation>此圖片已損毀或不完整。請選擇該圖片的另一份複本。</translation>
    </message>
    <message>
        <source>This picture is too large. Please choose a plan of at most 40 million pixels.</source>
        <translation>此圖片過大。請選擇不超過 4000 萬像素的平面圖。</translation>
    </message>
    <message>
        <source>The picture did not arrive in time. Please copy it onto this computer and try again.</source>
        <translation>未能及時讀取該圖片。請將其複製到這台電腦後再試。</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>平面圖</translation>
    </message>
    <message>
        <source>Open a picture of your home&apos;s plan, a PNG or JPEG file, or drop it here.</source>
        <translation>請開啟您住宅平面圖的圖片（PNG 或 JPEG 檔案），或將其拖放到這裡。</translation>
    </message>
</context>
<context>
    <name>ui::ReadingPage</name>
    <message>
        <source>Feng Shui Compatibility Reading for %1</source>
        <translation>%1的風水相合度解讀</translation>
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
        <translation>您的伴侶</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>方位</translation>
    </message>
    <message>
        <source>Kua Number</source>
        <translation>命卦數</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>組別</translation>
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
        <translation>zh_TW</translation>
    </message>
</context>
<context>
    <name>ui::frmFengShuiCompatibilityResult</name>
    <message>
        <source>Your Kua Number</source>
        <translation>您的命卦數</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Kua Number</source>
        <translation>伴侶的命卦數</translation>
    </message>
    <message>
        <source>Trigram Compatibility</source>
        <translation>命卦相合度</translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation>%1圖片</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>無圖片</translation>
    </message>
    <message>
        <source>Feng Shui Compatibility</source>
        <translation>風水相合度</translation>
    </message>
    <message>
        <source>Rich Text Format (*.fsc)</source>
        <translation>RTF 格式 (*.fsc)</translation>
    </message>
    <message>
        <source>Could Not Save The File.
%1</source>
        <translation>無法儲存該檔案。
%1</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>匯出為 PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 檔案 (*.pdf)</translation>
    </message>
    <message>
        <source>Could Not Export The File.
%1</source>
        <translation>無法匯出該檔案。
%1</translation>
    </message>
    <message>
        <source>Could Not Print The Reading.
%1</source>
        <translation>無法列印該解讀。
%1</translation>
    </message>
    <message>
        <source>Your Directions</source>
        <translation>雙方的方位</translation>
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
        <translation>開啟平面圖...</translation>
    </message>
    <message>
        <source>North, in degrees clockwise from the plan&apos;s top</source>
        <translation>北方方向（自平面圖正上方順時針計的度數）</translation>
    </message>
    <message>
        <source>Align with the Front Door</source>
        <translation>依大門對齊</translation>
    </message>
    <message>
        <source>Eight sectors</source>
        <translation>八個扇區</translation>
    </message>
    <message>
        <source>A 3 × 3 grid</source>
        <translation>3 × 3 九宮格</translation>
    </message>
    <message>
        <source>The house</source>
        <translation>住宅</translation>
    </message>
    <message>
        <source>What each part of the plan holds</source>
        <translation>平面圖各部分的內容</translation>
    </message>
    <message>
        <source>The centre: draw the rectangle around the home; its diagonals cross at the centre. A part missing or sticking out by less than a third of its side counts as inside. Drag the centre, or the tip of the north arrow. Keys on the plan: the arrows move it, Ctrl and the arrows move the centre, + and − zoom, 0 fits it.</source>
        <translation>中心：圍繞住宅畫出矩形，其對角線的交點即為中心。缺角或凸出部分不足所在邊長三分之一者，視為在內。可拖曳中心或北向箭頭的尖端。平面圖上的按鍵：方向鍵移動平面圖，Ctrl 加方向鍵移動中心，+ 和 − 縮放，0 顯示整個平面圖。</translation>
    </message>
    <message>
        <source>Forget This Plan</source>
        <translation>清除平面圖</translation>
    </message>
    <message>
        <source>&amp;North, clockwise from the plan&apos;s top:</source>
        <translation>北方（自平面圖正上方順時針）(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Divide the plan into:</source>
        <translation>平面圖劃分方式(&amp;D)：</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>顯示：</translation>
    </message>
    <message>
        <source>Click the front door on the plan, or move the marker with the arrows and press Enter.</source>
        <translation>請在平面圖上按一下大門，或用方向鍵移動標記後按 Enter 鍵。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open Plan...</source>
        <translation>開啟平面圖(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Export Plan as PDF...</source>
        <translation>將平面圖匯出為 PDF(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Print Plan...</source>
        <translation>列印平面圖(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>檢視(&amp;V)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Fit the Plan</source>
        <translation>顯示整個平面圖(&amp;F)</translation>
    </message>
    <message>
        <source>Open the Plan of Your Home</source>
        <translation>開啟住宅平面圖</translation>
    </message>
    <message>
        <source>Plans (*.png *.jpg *.jpeg)</source>
        <translation>平面圖 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The kept plan of your home could not be opened again.
%1</source>
        <translation>無法重新開啟已儲存的住宅平面圖。
%1</translation>
    </message>
    <message>
        <source>There is no folder to keep it in.</source>
        <translation>沒有可用於儲存的資料夾。</translation>
    </message>
    <message>
        <source>The plan is shown, but it could not be kept for the next start.
%1</source>
        <translation>平面圖已顯示，但無法儲存以供下次啟動時使用。
%1</translation>
    </message>
    <message>
        <source>Enter your house&apos;s facing on the Your Directions tab.</source>
        <translation>請在「雙方的方位」分頁中輸入住宅朝向。</translation>
    </message>
    <message>
        <source>The front door cannot be the centre. Please pick it again.</source>
        <translation>大門不能位於中心。請重新選擇。</translation>
    </message>
    <message>
        <source>Could Not Print The Plan.
%1</source>
        <translation>無法列印該平面圖。
%1</translation>
    </message>
    <message>
        <source>Export Plan as PDF</source>
        <translation>將平面圖匯出為 PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 檔案 (*.pdf)</translation>
    </message>
    <message>
        <source>Could Not Export The File.
%1</source>
        <translation>無法匯出該檔案。
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
        <translation>請輸入您的姓名</translation>
    </message>
    <message>
        <source>Please Specify Your Sex</source>
        <translation>請選擇您的性別</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <translation>請輸入您伴侶的姓名</translation>
    </message>
    <message>
        <source>Please Specify Your Partner&apos;s Sex</source>
        <translation>請選擇您伴侶的性別</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>請輸入正確的日期或月份！</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>請輸入正確的日期或月份！</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>選取要開啟的檔案</translation>
    </message>
    <message>
        <source>Feng Shui Compatibility (*.fsc)</source>
        <translation>風水相合度 (*.fsc)</translation>
    </message>
</context>
</TS>
