<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CountedYear</name>
    <message>
        <source>Counted from %1: born before %2</source>
        <extracomment>%1 the year counted, %2 the date the year starts on: &quot;1 March 1985&quot;</extracomment>
        <translation>%1年として計算：%2より前の生まれ</translation>
    </message>
    <message>
        <source>Counted from %1: born on or after %2</source>
        <translation>%1年として計算：%2以降の生まれ</translation>
    </message>
    <message>
        <source>Counted from %1: born before Li Chun (%2)</source>
        <extracomment>%1 the year counted, %2 Li Chun&apos;s date: &quot;4 February 1985&quot;</extracomment>
        <translation>%1年として計算：立春（%2）より前の生まれ</translation>
    </message>
    <message>
        <source>Counted from %1: born on the day of Li Chun (%2), when the hour of birth decides</source>
        <translation>%1年として計算：立春当日（%2）の生まれで、出生時刻次第で年が変わります</translation>
    </message>
    <message>
        <source>Counted from %1: born on or after Li Chun (%2)</source>
        <translation>%1年として計算：立春（%2）以降の生まれ</translation>
    </message>
    <message>
        <source>Counted from 1 March, your Kua number would be %1.</source>
        <translation>3月1日を年の始まりとすると、あなたのクアナンバーは%1になります。</translation>
    </message>
    <message>
        <source>Counted from 1 March, your partner&apos;s Kua number would be %1.</source>
        <translation>3月1日を年の始まりとすると、パートナーのクアナンバーは%1になります。</translation>
    </message>
    <message>
        <source>Counted from Li Chun, your Kua number would be %1.</source>
        <translation>立春を年の始まりとすると、あなたのクアナンバーは%1になります。</translation>
    </message>
    <message>
        <source>Counted from Li Chun, your partner&apos;s Kua number would be %1.</source>
        <translation>立春を年の始まりとすると、パートナーのクアナンバーは%1になります。</translation>
    </message>
</context>
<context>
    <name>ReadingWords</name>
    <message>
        <source>No character reading is known for this Kua number.</source>
        <translation>このクアナンバーに該当する性格鑑定はありません。</translation>
    </message>
    <message>
        <source>You will flow like water. You have a flexible and adjusting nature. You may seem stable but in reality you are restless. You will make a good leader, as you are confident and clear about your decisions. You have a magnetic personality.<byte value="xd"/>
<byte value="xd"/>
Element Water is compatible with elements Tree and Metal.<byte value="xd"/>
<byte value="xd"/>
Element Water is not compatible with elements Fire and Soil</source>
        <translation>あなたは水のように流れていく人です。柔軟で順応性のある性格です。安定しているように見えても、実際は落ち着きがありません。自分の決断に自信があり、迷いがないので、良いリーダーになるでしょう。人を引きつける魅力的な人柄です。<byte value="xd"/>
<byte value="xd"/>
五行の水は、樹および金と相性が良いです。<byte value="xd"/>
<byte value="xd"/>
五行の水は、火および土壌と相性が良くありません。</translation>
    </message>
    <message>
        <source>You are grounded and have strong roots that spread throughout the soil. You are very loyal and dependable. At the same time you can be stubborn and stick to your decisions. You can be the best friend or the worst enemy.<byte value="xd"/>
<byte value="xd"/>
Element Earth is compatible with elements Fire and Metal.<byte value="xd"/>
<byte value="xd"/>
Element Earth is compatible with elements Wood and Water.</source>
        <translation>あなたは地に足が着いていて、土の中に広く張り巡らされた力強い根を持っています。とても誠実で頼りになります。その一方で、頑固で自分の決断に固執することもあります。最良の友にも最悪の敵にもなり得ます。<byte value="xd"/>
<byte value="xd"/>
五行の土は、火および金と相性が良いです。<byte value="xd"/>
<byte value="xd"/>
五行の土は、木および水と相性が良いです。</translation>
    </message>
    <message>
        <source>You are a deep thinker and believe in discovering things for yourself. You are disciplined and methodical by nature. You believe more in quality than quantity.<byte value="xd"/>
<byte value="xd"/>
Element Metal is compatible with elements Water and Soil.<byte value="xd"/>
<byte value="xd"/>
Element Metal is not compatible with elements Fire and Wood.    </source>
        <translation>あなたは深く考える人で、物事を自分自身で見いだすことを大切にします。生まれつき規律正しく、几帳面です。量より質を重んじます。<byte value="xd"/>
<byte value="xd"/>
五行の金は、水および土壌と相性が良いです。<byte value="xd"/>
<byte value="xd"/>
五行の金は、火および木と相性が良くありません。    </translation>
    </message>
    <message>
        <source>You are committed to your work and always fulfill your commitments. You are always young at heart and aim to reach the top and spread out.<byte value="xd"/>
<byte value="xd"/>
Element Wood is compatible with elements Water and Fire.<byte value="xd"/>
<byte value="xd"/>
Element Wood is not compatible with elements Fire and Tree.</source>
        <translation>あなたは仕事に打ち込み、約束は必ず果たします。いつまでも若々しい心を持ち、頂点を目指して四方に枝を広げようとします。<byte value="xd"/>
<byte value="xd"/>
五行の木は、水および火と相性が良いです。<byte value="xd"/>
<byte value="xd"/>
五行の木は、火および樹と相性が良くありません。</translation>
    </message>
    <message>
        <source>You have a lot of passion and fire burning inside you. You have an attractive personality and are always enthusiastic about doing things. You need to be surrounded by people and hate loneliness.<byte value="xd"/>
<byte value="xd"/>
Element Fire is compatible with elements Wood and Soil.<byte value="xd"/>
<byte value="xd"/>
Element Fire is not compatible with elements Metal and Soil.</source>
        <translation>あなたの内には情熱の炎が燃えさかっています。魅力的な人柄で、何事にも常に意欲的に取り組みます。人に囲まれていないと落ち着かず、孤独を嫌います。<byte value="xd"/>
<byte value="xd"/>
五行の火は、木および土壌と相性が良いです。<byte value="xd"/>
<byte value="xd"/>
五行の火は、金および土壌と相性が良くありません。</translation>
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
        <translation>オフホワイト</translation>
    </message>
    <message>
        <source>Off-White</source>
        <comment>colour</comment>
        <translation>オフホワイト</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>colour</comment>
        <translation>黒</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>colour</comment>
        <translation>緑</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>colour</comment>
        <translation>青</translation>
    </message>
    <message>
        <source>Orange</source>
        <comment>colour</comment>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>Gray</source>
        <comment>colour</comment>
        <translation>灰色</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>colour</comment>
        <translation>赤</translation>
    </message>
    <message>
        <source>White</source>
        <comment>colour</comment>
        <translation>白</translation>
    </message>
    <message>
        <source>Purple</source>
        <comment>colour</comment>
        <translation>紫</translation>
    </message>
    <message>
        <source>North</source>
        <comment>direction</comment>
        <translation>北</translation>
    </message>
    <message>
        <source>North East</source>
        <comment>direction</comment>
        <translation>北東</translation>
    </message>
    <message>
        <source>East</source>
        <comment>direction</comment>
        <translation>東</translation>
    </message>
    <message>
        <source>South East</source>
        <comment>direction</comment>
        <translation>南東</translation>
    </message>
    <message>
        <source>South</source>
        <comment>direction</comment>
        <translation>南</translation>
    </message>
    <message>
        <source>South West</source>
        <comment>direction</comment>
        <translation>南西</translation>
    </message>
    <message>
        <source>West</source>
        <comment>direction</comment>
        <translation>西</translation>
    </message>
    <message>
        <source>North West</source>
        <comment>direction</comment>
        <translation>北西</translation>
    </message>
    <message>
        <source>Excellent</source>
        <comment>rating</comment>
        <translation>最良</translation>
    </message>
    <message>
        <source>Very Good</source>
        <comment>rating</comment>
        <translation>大変良い</translation>
    </message>
    <message>
        <source>Good</source>
        <comment>rating</comment>
        <translation>良い</translation>
    </message>
    <message>
        <source>Unsatisfactory</source>
        <comment>rating</comment>
        <translation>いまひとつ</translation>
    </message>
    <message>
        <source>Bad</source>
        <comment>rating</comment>
        <translation>悪い</translation>
    </message>
    <message>
        <source>Disastrous</source>
        <comment>rating</comment>
        <translation>最悪</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <extracomment>The pair of trigrams, the user&apos;s first: &quot;Kun-Kun&quot;</extracomment>
        <translation>%1・%2</translation>
    </message>
    <message>
        <source>Mr. %1</source>
        <translation>%1様</translation>
    </message>
    <message>
        <source>Ms. %1</source>
        <translation>%1様</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>このソフトウェアの更新版が公開されている可能性があります。<byte value="xd"/>更新を確認しますか？</translation>
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
        <translation>プログラムの画像</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the compatibility of Kua or Gua numbers of two people according to the Eight Mansions School of Feng Shui. This software shows how your personal trigram reflects how you affect or get affected by other people.</source>
        <translation>VA Zuvo Dada Vuvizoreduror は、八宅風水による二人のクアナンバー（命卦）の相性をもとにしています。このソフトウェアは、あなたが他の人に与える影響と他の人から受ける影響が、あなた個人の本命卦にどう表れるかを示します。</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>%1 をご覧ください</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>在宅ビジネスのチャンス。ネットで起業して収入を得ましょう。あなたのサイト専用ブランド版の本ソフトウェアを入手できます。</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>詳しくはこちらをクリック</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>プログラムの画像</translation>
    </message>
    <message>
        <source>Yes, take me to the discussion forum at %1</source>
        <translation>はい、%1 のフォーラムを開きます</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>友人に紹介</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>お名前</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>お名前</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>ご友人のお名前</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>ご友人のお名前</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>ご友人のメールアドレス</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>ご友人のメールアドレス</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>今すぐ友人に紹介(&amp;N)</translation>
    </message>
    <message>
        <source>Your Message
</source>
        <translation>メッセージ
</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Download Our Other Programs</source>
        <translation>当社のその他のプログラムをダウンロード</translation>
    </message>
    <message>
        <source>Besides this program we publish a range of other small programs for home and office. Each one is free to try, quick to install and easy to use.

Every program has a page of its own with a short description, a picture and a download link, so you can see what it does before you fetch it.

Browse the whole catalogue at %1 and pick the programs that suit you.</source>
        <translation>本プログラムのほかにも、家庭やオフィス向けの小さなプログラムを数多く公開しています。どれも無料でお試しいただけるうえ、インストールはすばやく、使い方も簡単です。

プログラムごとに専用のページがあり、短い説明、画像、ダウンロードリンクを掲載していますので、ダウンロードする前にどのようなプログラムかを確認できます。

%1 でカタログ全体をご覧になり、お好みのプログラムをお選びください。</translation>
    </message>
    <message>
        <source>Visit the program catalogue</source>
        <translation>プログラムカタログを見る</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>メッセージ</translation>
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
        <translation>%1 のフォーラムにご参加ください</translation>
    </message>
    <message>
        <source>Feng Shui Kua Number </source>
        <translation>風水のクアナンバー </translation>
    </message>
    <message>
        <source>Your Kua Number is: </source>
        <translation>あなたのクアナンバー：</translation>
    </message>
    <message>
        <source>Kua or Gua Number calculated according to the Eight Mansions School of Feng Shui helps one attain prosperity and everlasting success. It is calculated on basis of your birth and gender details.</source>
        <translation>八宅風水に従って算出されるクアナンバー（命卦）は、繁栄と永続的な成功を得る助けとなります。クアナンバーは生年月日と性別をもとに算出されます。</translation>
    </message>
    <message>
        <source>Your Color is:</source>
        <translation>あなたの色：</translation>
    </message>
    <message>
        <source>Your Element is: </source>
        <translation>あなたの五行：</translation>
    </message>
    <message>
        <source>Your are a</source>
        <translation>あなたは</translation>
    </message>
    <message>
        <source>Group Person</source>
        <translation>の人です</translation>
    </message>
    <message>
        <source> Feng Shui Kua Number </source>
        <translation> 風水のクアナンバー </translation>
    </message>
    <message>
        <source>Trigram Compatibility</source>
        <translation>卦の相性</translation>
    </message>
    <message>
        <source>Your Trigram</source>
        <translation>あなたの本命卦</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>生気</translation>
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
        <translation>禍害</translation>
    </message>
    <message>
        <source>Five Ghosts</source>
        <translation>五鬼</translation>
    </message>
    <message>
        <source>Six Killings</source>
        <translation>六殺</translation>
    </message>
    <message>
        <source>Total Loss</source>
        <translation>絶命</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Trigram</source>
        <translation>パートナーの本命卦</translation>
    </message>
    <message>
        <source>Compatibility Interpretation</source>
        <translation>相性の判定</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>本ソフトウェアを共同ブランド化して、サイトの固定客とアクセスを増やしましょう。ここにサイト名とリンクを掲載できます。詳細は「ヘルプ」またはこちらをクリック。</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>在宅ビジネスのチャンス。ネットで起業して収入を得ましょう。あなたのサイト専用ブランド版の本ソフトウェアを入手できます。詳しくはこちらをクリック。</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>オンラインヘルプ(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>ウェブサイトにアクセス(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>ソフトウェアの更新を確認(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>このソフトウェアについて(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>寄付(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>オンラインで収入を得る(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>PDF としてエクスポート(&amp;E)...</translation>
    </message>
    <message>
        <source>Plan of Your &amp;Home...</source>
        <translation>お住まいの間取り図(&amp;H)...</translation>
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
        <translation>%1 のフォーラムにご参加ください</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the calculation of Kua or Gua numbers of two people. The Kua or Gua Number is calculated according to the Eight Mansions School of Feng Shui. This number helps one attain prosperity and everlasting success. It is calculated on the basis of your birth and gender details.</source>
        <translation>VA Zuvo Dada Vuvizoreduror は、二人のクアナンバー（命卦）の計算に基づいています。クアナンバーは八宅風水に従って算出されます。この数は、繁栄と永続的な成功を得る助けとなります。クアナンバーは生年月日と性別をもとに算出されます。</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the principle that the Kua number for a person helps one analyze their destiny and defines their auspicious and inauspicious directions. People of compatible direction groups get along well with each while those of opposing direction groups do not. VA Zuvo Dada Vuvizoreduror helps you analyze your relationship on the basis of this school of Feng Shui.</source>
        <translation>VA Zuvo Dada Vuvizoreduror は、人のクアナンバーがその人の運命を読み解く助けとなり、吉方位と凶方位を定めるという原理に基づいています。相性の良い方位グループの人同士はうまくいき、相反するグループの人同士はうまくいきません。VA Zuvo Dada Vuvizoreduror は、この風水の流派に基づいて、お二人の関係の分析をお手伝いします。</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>保存した鑑定を開く(&amp;O)</translation>
    </message>
    <message>
        <source>Your Details Please</source>
        <translation>あなたの情報を入力してください</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>あなたの名前</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>生年月日</translation>
    </message>
    <message>
        <source>Your birth day</source>
        <translation>あなたの生まれた日</translation>
    </message>
    <message>
        <source>Your birth month</source>
        <translation>あなたの生まれた月</translation>
    </message>
    <message>
        <source>Your birth year</source>
        <translation>あなたの生まれた年</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>性別</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>男性</translation>
    </message>
    <message>
        <source>Your sex: male</source>
        <translation>あなたの性別：男性</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>女性</translation>
    </message>
    <message>
        <source>Your sex: female</source>
        <translation>あなたの性別：女性</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Details Please</source>
        <translation>パートナーの情報を入力してください</translation>
    </message>
    <message>
        <source>Your partner&apos;s name</source>
        <translation>パートナーの名前</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth day</source>
        <translation>パートナーの生まれた日</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth month</source>
        <translation>パートナーの生まれた月</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth year</source>
        <translation>パートナーの生まれた年</translation>
    </message>
    <message>
        <source>Your partner&apos;s sex: male</source>
        <translation>パートナーの性別：男性</translation>
    </message>
    <message>
        <source>Your partner&apos;s sex: female</source>
        <translation>パートナーの性別：女性</translation>
    </message>
    <message>
        <source>&amp;Find Our Feng Shui Compatibility</source>
        <translation>お二人の風水相性を見る(&amp;F)</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>在宅ビジネスのチャンス。ネットで起業して収入を得ましょう。あなたのサイト専用ブランド版の本ソフトウェアを入手できます。詳しくはこちらをクリック。</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>本ソフトウェアを共同ブランド化して、サイトの固定客とアクセスを増やしましょう。ここにサイト名とリンクを掲載できます。詳細は「ヘルプ」またはこちらをクリック。</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>オンラインヘルプ(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>ウェブサイトにアクセス(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>ソフトウェアの更新を確認(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>このソフトウェアについて(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>寄付(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>オンラインで収入を得る(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>Start the Year at &amp;Li Chun (about 4 February)</source>
        <translation>立春（2月4日ごろ）を年の始まりにする(&amp;L)</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The page could not be drawn.</source>
        <translation>ページを描画できませんでした。</translation>
    </message>
    <message>
        <source>The printing module could not be loaded: %1</source>
        <translation>印刷モジュールを読み込めませんでした：%1</translation>
    </message>
    <message>
        <source>The file could not be written whole; the disk may be full.</source>
        <translation>ファイルを最後まで書き込めませんでした。ディスクがいっぱいの可能性があります。</translation>
    </message>
</context>
<context>
    <name>shell::Application</name>
    <message>
        <source>Application is already running</source>
        <translation>このアプリケーションはすでに起動しています。</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>ファイルを確認してください。</translation>
    </message>
    <message>
        <source>The file did not arrive in time. Please try again later.</source>
        <translation>ファイルを時間内に読み込めませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>shell::CommandLine</name>
    <message>
        <source>Gives a couple a Feng Shui compatibility reading after the Eight Mansions school.</source>
        <translation>八宅風水に基づいて、カップルの相性を鑑定します。</translation>
    </message>
    <message>
        <source>A saved reading (.fsc) to open.</source>
        <translation>保存した鑑定ファイル (.fsc) を開きます。</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
詳しくは &apos;%1 --help&apos; を実行してください。
</translation>
    </message>
    <message>
        <source>%1: only one reading opens at a time; ignored: %2
</source>
        <translation>%1: 一度に開ける鑑定は 1 つだけです。無視されたファイル: %2
</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>コマンドラインオプションのヘルプを表示する。</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The name --help gives the file argument, written as the language writes such a placeholder (in capitals where it has them)</extracomment>
        <translation>ファイル</translation>
    </message>
</context>
<context>
    <name>shell::frmExit</name>
    <message>
        <source>Please support our discussion forum: visit %1 regularly and join the conversation.</source>
        <translation>フォーラムへのご支援をお願いします。%1 に定期的にアクセスして、議論にご参加ください。</translation>
    </message>
    <message>
        <source>The forum at %1 lives on its visitors. Drop in now and then to keep it going.</source>
        <translation>%1 のフォーラムは、訪れる皆さまに支えられています。ときどき立ち寄って、フォーラムを盛り上げてください。</translation>
    </message>
    <message>
        <source>Enjoyed this program? Support the discussion forum behind it by visiting %1 regularly.</source>
        <translation>このプログラムはお楽しみいただけましたか？&#x3000;%1 に定期的にアクセスして、このプログラムを支えるフォーラムを応援してください。</translation>
    </message>
    <message>
        <source>Help our discussion forum grow: make %1 one of the sites you visit regularly.</source>
        <translation>フォーラムの成長にご協力ください。%1 を、定期的に訪れるサイトのひとつに加えてください。</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>お名前を入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>メールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>メッセージを入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>ご友人のお名前を入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>ご友人のメールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>メールアドレスに空白を含めることはできません。</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>それぞれ異なるメールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>正しいメールアドレスを入力してください。</translation>
    </message>
</context>
<context>
    <name>ui::Advice</name>
    <message>
        <source>%1 for %2</source>
        <extracomment>Something for someone: &quot;Health for Anna&quot;, &quot;East for you&quot;. %2 is a name, or &quot;you&quot; or &quot;your partner&quot; as translated here: a construction that takes it unchanged, such as &quot;Anna: Health&quot;, keeps the grammar right.</extracomment>
        <translation>%2は%1</translation>
    </message>
    <message>
        <source>%1 favours %2: %3</source>
        <translation>%1（%2の吉方位）：%3</translation>
    </message>
    <message>
        <source>you</source>
        <extracomment>Names the user where no name is known (a reading opened from a file), inside the charts&apos; sentences: &quot;Health for you&quot;, &quot;Inner ring: you&quot;</extracomment>
        <translation>あなた</translation>
    </message>
    <message>
        <source>your partner</source>
        <extracomment>Names the partner where no name is known; see &quot;you&quot;</extracomment>
        <translation>パートナー</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A direction and what it holds: &quot;North: Relationship for Anna, Health for Ben&quot;</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The stars of one direction for several: &quot;Relationship for Anna, Health for Ben&quot;</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>Inner ring: %1. Outer ring: %2. %3 good for both.</source>
        <extracomment>%1 and %2 the two names, or &quot;you&quot; and &quot;your partner&quot;; %3 the star that marks a direction good for both</extracomment>
        <translation>内側の輪は%1、外側の輪は%2、%3はお二人に共通の吉方位です。</translation>
    </message>
    <message>
        <source>A direction is the way you face when you sit or work, and the way the head of the bed points. Lay North on the north of your floor plan as a compass measures it, not on the front door.</source>
        <translation>方位とは、座ったり仕事をしたりするときに顔を向ける方向と、ベッドの頭側が向く方向のことです。図の北は玄関ではなく、方位磁石で測った間取り図の北に合わせてください。</translation>
    </message>
    <message>
        <source>You are of one group: your charts share its four favourable directions.</source>
        <translation>お二人は同じグループです。お二人の方位図は、そのグループの四つの吉方位を共有しています。</translation>
    </message>
    <message>
        <source>You are of different groups: your charts share no favourable direction. Practitioners see this in many couples and do not read it as a verdict on the two of you. Each of you follows your own chart for your own things: desk, seat, your side of the bed.</source>
        <translation>お二人は異なるグループです。お二人の方位図に共通の吉方位はありません。風水の専門家は多くのカップルにこうした例を見ており、お二人への判定とは受け止めていません。机や座る席、ベッドの自分の側など、自分が使うものは、それぞれ自分の方位図に従いましょう。</translation>
    </message>
    <message>
        <source>Bed, where its head points, best first</source>
        <translation>ベッドの頭の向き（良い順）</translation>
    </message>
    <message>
        <source>Shared bed, worked out from the two charts</source>
        <translation>二人で使うベッド（二つの方位図から算出）</translation>
    </message>
    <message>
        <source>Desk or work seat, the way you face</source>
        <translation>机・作業席（顔を向ける方位）</translation>
    </message>
    <message>
        <source>North</source>
        <comment>inside a sentence</comment>
        <translation>北</translation>
    </message>
    <message>
        <source>North East</source>
        <comment>inside a sentence</comment>
        <translation>北東</translation>
    </message>
    <message>
        <source>East</source>
        <comment>inside a sentence</comment>
        <translation>東</translation>
    </message>
    <message>
        <source>South East</source>
        <comment>inside a sentence</comment>
        <translation>南東</translation>
    </message>
    <message>
        <source>South</source>
        <comment>inside a sentence</comment>
        <translation>南</translation>
    </message>
    <message>
        <source>South West</source>
        <comment>inside a sentence</comment>
        <translation>南西</translation>
    </message>
    <message>
        <source>West</source>
        <comment>inside a sentence</comment>
        <translation>西</translation>
    </message>
    <message>
        <source>North West</source>
        <comment>inside a sentence</comment>
        <translation>北西</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the entries of a list that runs on as one sentence (&quot;North: Health; East: Success&quot;), with the blanks the language writes around it</extracomment>
        <translation>／</translation>
    </message>
    <message>
        <source>A line along the rim: a direction good for your house.</source>
        <translation>外周に沿った線は、お住まいの吉方位です。</translation>
    </message>
    <message>
        <source>%1 for the house</source>
        <extracomment>The house&apos;s star in a list of whose star it is, as in &quot;%1 for %2&quot;: &quot;Five Ghosts for the house&quot;</extracomment>
        <translation>家は%1</translation>
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
        <translation>北東</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>abbreviation of East on a compass</extracomment>
        <translation>東</translation>
    </message>
    <message>
        <source>SE</source>
        <extracomment>abbreviation of South East on a compass</extracomment>
        <translation>南東</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>abbreviation of South on a compass</extracomment>
        <translation>南</translation>
    </message>
    <message>
        <source>SW</source>
        <extracomment>abbreviation of South West on a compass</extracomment>
        <translation>南西</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>abbreviation of West on a compass</extracomment>
        <translation>西</translation>
    </message>
    <message>
        <source>NW</source>
        <extracomment>abbreviation of North West on a compass</extracomment>
        <translation>北西</translation>
    </message>
    <message>
        <source>You</source>
        <translation>あなた</translation>
    </message>
    <message>
        <source>Your Partner</source>
        <translation>パートナー</translation>
    </message>
    <message>
        <source>Both of You</source>
        <translation>お二人</translation>
    </message>
    <message>
        <source>Suc|cess</source>
        <extracomment>A star&apos;s name on the compass chart. A | marks where the word may break with a hyphen when it does not fit on one line; it is never shown. Give a shorter form where the chart needs one.</extracomment>
        <translation>生気</translation>
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
        <translation>六殺</translation>
    </message>
    <message>
        <source>Total Loss</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>絶命</translation>
    </message>
</context>
<context>
    <name>ui::DirectionsPanel</name>
    <message>
        <source>Your directions</source>
        <translation>あなたの方位</translation>
    </message>
    <message>
        <source>Your partner&apos;s directions</source>
        <translation>パートナーの方位</translation>
    </message>
    <message>
        <source>Your directions and your partner&apos;s</source>
        <translation>あなたとパートナーの方位</translation>
    </message>
    <message>
        <source>Your directions and advice</source>
        <translation>お二人の方位とアドバイス</translation>
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
        <translation>お住まい：%1</translation>
    </message>
    <message>
        <source>Type the facing in degrees, from 0 to 359.9, as the compass shows it.</source>
        <translation>家の向きを0～359.9の度数で、方位磁石の表示どおりに入力してください。</translation>
    </message>
    <message>
        <source>%1: faces %2, sits %3: %4</source>
        <extracomment>%1 the degrees, %2 the direction the house faces, %3 the one it sits on (both as inside a sentence), %4 the house: &quot;183°: faces South, sits North: a Kan house of the East group&quot;</extracomment>
        <translation>%1：%2向き、%3を背にした%4</translation>
    </message>
    <message>
        <source>%1 lies on the line between %2 and %3: the house is either %4 or %5. Measure again, a step to one side, to tell which.</source>
        <extracomment>%1 the degrees, %2 and %3 the two directions it lies between, %4 and %5 the two houses</extracomment>
        <translation>%1は%2と%3の境目に当たるため、家は%4か%5のどちらかです。一歩横にずれてもう一度測ると、どちらかが分かります。</translation>
    </message>
    <message>
        <source>%1: of the East group, like the house</source>
        <translation>%1は東四命で、家と同じグループです。</translation>
    </message>
    <message>
        <source>%1: of the West group, like the house</source>
        <translation>%1は西四命で、家と同じグループです。</translation>
    </message>
    <message>
        <source>%1: of the East group, in a West-group house: inside it, use your own favourable directions</source>
        <translation>%1は東四命で、家は西四宅です。家の中ではご自身の吉方位を使いましょう。</translation>
    </message>
    <message>
        <source>%1: of the West group, in an East-group house: inside it, use your own favourable directions</source>
        <translation>%1は西四命で、家は東四宅です。家の中ではご自身の吉方位を使いましょう。</translation>
    </message>
    <message>
        <source>The facing is the side the house looks out of, usually the side of the front door, not a balcony. Stand outside the main door, looking out, away from metal and cars, and type the degrees the compass shows (magnetic north). Without a compass, choose the direction.</source>
        <translation>家の向きとは、家が外に向いている側のことで、通常は玄関のある側です（ベランダ側ではありません）。玄関の外に立って外を向き、金属や車から離れて、方位磁石が示す度数（磁北）を入力してください。方位磁石がない場合は、方位を選んでください。</translation>
    </message>
</context>
<context>
    <name>ui::HouseBox</name>
    <message>
        <source>Your House</source>
        <translation>お住まい</translation>
    </message>
    <message>
        <source>Facing of your house in degrees</source>
        <translation>家の向き（度数）</translation>
    </message>
    <message>
        <source>The direction your house faces</source>
        <translation>家が向いている方位</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Forget This House</source>
        <translation>この家を削除</translation>
    </message>
    <message>
        <source>Facing in degrees:</source>
        <translation>向き（度）：</translation>
    </message>
    <message>
        <source>or the direction:</source>
        <translation>または方位：</translation>
    </message>
    <message>
        <source>Plan of Your Home...</source>
        <translation>お住まいの間取り図...</translation>
    </message>
</context>
<context>
    <name>ui::Plan</name>
    <message>
        <source>House</source>
        <extracomment>Names the house on a plan&apos;s sector: &quot;House: Five Ghosts&quot;</extracomment>
        <translation>家</translation>
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
        <translation>お住まいの中央部で、どの方位にも属しません。</translation>
    </message>
    <message>
        <source>On the line between %1 and %2, which a compass held by hand cannot tell apart.</source>
        <extracomment>%1 and %2 two directions</extracomment>
        <translation>%1と%2の境目に当たり、手に持った方位磁石では見分けられません。</translation>
    </message>
    <message>
        <source>North is turned %1 clockwise from the plan&apos;s top.</source>
        <extracomment>%1 an angle in degrees: &quot;North is turned 30° clockwise from the plan&apos;s top.&quot;</extracomment>
        <translation>北は、間取り図の真上から時計回りに%1の方向です。</translation>
    </message>
    <message>
        <source>The centre lies %1% across and %2% down the plan.</source>
        <extracomment>%1 and %2 shares in per cent of the plan&apos;s width and height</extracomment>
        <translation>中心は間取り図の左端から%1%、上端から%2%の位置にあります。</translation>
    </message>
    <message>
        <source>Your Home</source>
        <translation>お住まい</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <extracomment>%1 a date</extracomment>
        <translation>作成日：%1</translation>
    </message>
    <message>
        <source>+ and green: favourable for all shown. − and red: unfavourable for all shown. No colour: favourable for some, unfavourable for others.</source>
        <translation>+ と緑：表示中のすべてにとって吉。− と赤：表示中のすべてにとって凶。色なし：吉と凶が混在。</translation>
    </message>
    <message>
        <source>This file cannot be read as a plan. Please choose a picture file of at most 64 MB on this computer.</source>
        <translation>このファイルは間取り図として読み込めません。このコンピューター上にある 64 MB 以下の画像ファイルを選んでください。</translation>
    </message>
    <message>
        <source>This file is no PNG or JPEG picture. Please choose a picture of your home&apos;s plan.</source>
        <translation>このファイルは PNG または JPEG の画像ではありません。お住まいの間取り図の画像を選んでください。</translation>
    </message>
    <message>
        <source>This picture is damaged or incomplete. Please choose another copy of it.</source>
        <translation>この画像は破損しているか、不完全です。この画像の別のコピーを選んでください。</translation>
    </message>
    <message>
        <source>This picture is too large. Please choose a plan of at most 40 million pixels.</source>
        <translation>この画像は大きすぎます。4,000 万ピクセル以下の間取り図を選んでください。</translation>
    </message>
    <message>
        <source>The picture did not arrive in time. Please copy it onto this computer and try again.</source>
        <translation>画像を時間内に読み込めませんでした。このコンピューターにコピーしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>間取り図</translation>
    </message>
    <message>
        <source>Open a picture of your home&apos;s plan, a PNG or JPEG file, or drop it here.</source>
        <translation>お住まいの間取り図の画像（PNG または JPEG ファイル）を開くか、ここにドロップしてください。</translation>
    </message>
</context>
<context>
    <name>ui::ReadingPage</name>
    <message>
        <source>Feng Shui Compatibility Reading for %1</source>
        <translation>%1の風水相性鑑定</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>日付：%1</translation>
    </message>
    <message>
        <source>You</source>
        <translation>あなた</translation>
    </message>
    <message>
        <source>Your Partner</source>
        <translation>パートナー</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>方位</translation>
    </message>
    <message>
        <source>Kua Number</source>
        <translation>クアナンバー</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>五行</translation>
    </message>
    <message>
        <source>Trigram</source>
        <translation>本命卦</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The code of this translation&apos;s language, as in its file name</comment>
        <translation>ja</translation>
    </message>
</context>
<context>
    <name>ui::frmFengShuiCompatibilityResult</name>
    <message>
        <source>Your Kua Number</source>
        <translation>あなたのクアナンバー</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Kua Number</source>
        <translation>パートナーのクアナンバー</translation>
    </message>
    <message>
        <source>Trigram Compatibility</source>
        <translation>卦の相性</translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation>%1の画像</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>画像なし</translation>
    </message>
    <message>
        <source>Feng Shui Compatibility</source>
        <translation>風水相性</translation>
    </message>
    <message>
        <source>Rich Text Format (*.fsc)</source>
        <translation>リッチテキスト形式 (*.fsc)</translation>
    </message>
    <message>
        <source>Could Not Save The File.
%1</source>
        <translation>ファイルを保存できませんでした。
%1</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>PDF としてエクスポート</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>Could Not Export The File.
%1</source>
        <translation>ファイルをエクスポートできませんでした。
%1</translation>
    </message>
    <message>
        <source>Could Not Print The Reading.
%1</source>
        <translation>鑑定を印刷できませんでした。
%1</translation>
    </message>
    <message>
        <source>Your Directions</source>
        <translation>お二人の方位</translation>
    </message>
</context>
<context>
    <name>ui::frmHomePlan</name>
    <message>
        <source>Your Home</source>
        <translation>お住まい</translation>
    </message>
    <message>
        <source>Open Plan...</source>
        <translation>間取り図を開く...</translation>
    </message>
    <message>
        <source>North, in degrees clockwise from the plan&apos;s top</source>
        <translation>北の向き（間取り図の真上から時計回りの度数）</translation>
    </message>
    <message>
        <source>Align with the Front Door</source>
        <translation>玄関に合わせる</translation>
    </message>
    <message>
        <source>Eight sectors</source>
        <translation>8 つの扇形</translation>
    </message>
    <message>
        <source>A 3 × 3 grid</source>
        <translation>3 × 3 のマス目</translation>
    </message>
    <message>
        <source>The house</source>
        <translation>家</translation>
    </message>
    <message>
        <source>What each part of the plan holds</source>
        <translation>間取り図の各部分の内容</translation>
    </message>
    <message>
        <source>The centre: draw the rectangle around the home; its diagonals cross at the centre. A part missing or sticking out by less than a third of its side counts as inside. Drag the centre, or the tip of the north arrow. Keys on the plan: the arrows move it, Ctrl and the arrows move the centre, + and − zoom, 0 fits it.</source>
        <translation>中心：お住まいを囲む長方形を描くと、その対角線が交わる点が中心です。欠けや張り出しが辺の長さの 3 分の 1 未満なら、内側とみなします。中心、または北の矢印の先端をドラッグしてください。間取り図上のキー操作：矢印キーで間取り図を移動、Ctrl＋矢印キーで中心を移動、+ と − で拡大・縮小、0 で全体を表示。</translation>
    </message>
    <message>
        <source>Forget This Plan</source>
        <translation>この間取り図を削除</translation>
    </message>
    <message>
        <source>&amp;North, clockwise from the plan&apos;s top:</source>
        <translation>北の向き（間取り図の真上から時計回り）(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Divide the plan into:</source>
        <translation>間取り図の分け方(&amp;D)：</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>表示：</translation>
    </message>
    <message>
        <source>Click the front door on the plan, or move the marker with the arrows and press Enter.</source>
        <translation>間取り図上の玄関をクリックするか、矢印キーで印を動かして Enter キーを押してください。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open Plan...</source>
        <translation>間取り図を開く(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Export Plan as PDF...</source>
        <translation>間取り図を PDF としてエクスポート(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Print Plan...</source>
        <translation>間取り図を印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Fit the Plan</source>
        <translation>間取り図全体を表示(&amp;F)</translation>
    </message>
    <message>
        <source>Open the Plan of Your Home</source>
        <translation>お住まいの間取り図を開く</translation>
    </message>
    <message>
        <source>Plans (*.png *.jpg *.jpeg)</source>
        <translation>間取り図 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The kept plan of your home could not be opened again.
%1</source>
        <translation>保存してあるお住まいの間取り図を開けませんでした。
%1</translation>
    </message>
    <message>
        <source>There is no folder to keep it in.</source>
        <translation>保存先のフォルダーがありません。</translation>
    </message>
    <message>
        <source>The plan is shown, but it could not be kept for the next start.
%1</source>
        <translation>間取り図は表示されていますが、次回の起動に備えて保存できませんでした。
%1</translation>
    </message>
    <message>
        <source>Enter your house&apos;s facing on the Your Directions tab.</source>
        <translation>「お二人の方位」タブで家の向きを入力してください。</translation>
    </message>
    <message>
        <source>The front door cannot be the centre. Please pick it again.</source>
        <translation>玄関を中心にすることはできません。もう一度選んでください。</translation>
    </message>
    <message>
        <source>Could Not Print The Plan.
%1</source>
        <translation>間取り図を印刷できませんでした。
%1</translation>
    </message>
    <message>
        <source>Export Plan as PDF</source>
        <translation>間取り図を PDF としてエクスポート</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>Could Not Export The File.
%1</source>
        <translation>ファイルをエクスポートできませんでした。
%1</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>January</source>
        <translation>1月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>2月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>3月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>4月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>5月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>6月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>7月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>8月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>9月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>10月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>11月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>12月</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>お名前を入力してください。</translation>
    </message>
    <message>
        <source>Please Specify Your Sex</source>
        <translation>性別を選択してください。</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <translation>パートナーのお名前を入力してください。</translation>
    </message>
    <message>
        <source>Please Specify Your Partner&apos;s Sex</source>
        <translation>パートナーの性別を選択してください。</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>日付が正しくありません。日と月を確認してください。</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>日付が正しくありません。日と月を確認してください。</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>読み込むファイルを選択</translation>
    </message>
    <message>
        <source>Feng Shui Compatibility (*.fsc)</source>
        <translation>風水相性鑑定 (*.fsc)</translation>
    </message>
</context>
</TS>
