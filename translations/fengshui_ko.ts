<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>CountedYear</name>
    <message>
        <source>Counted from %1: born before %2</source>
        <extracomment>%1 the year counted, %2 the date the year starts on: &quot;1 March 1985&quot;</extracomment>
        <translation>%1년 기준: %2 이전 출생</translation>
    </message>
    <message>
        <source>Counted from %1: born on or after %2</source>
        <translation>%1년 기준: %2 이후 출생</translation>
    </message>
    <message>
        <source>Counted from %1: born before Li Chun (%2)</source>
        <extracomment>%1 the year counted, %2 Li Chun&apos;s date: &quot;4 February 1985&quot;</extracomment>
        <translation>%1년 기준: 입춘(%2) 이전 출생</translation>
    </message>
    <message>
        <source>Counted from %1: born on the day of Li Chun (%2), when the hour of birth decides</source>
        <translation>%1년 기준: 입춘 당일(%2) 출생으로, 출생 시각에 따라 연도가 달라짐</translation>
    </message>
    <message>
        <source>Counted from %1: born on or after Li Chun (%2)</source>
        <translation>%1년 기준: 입춘(%2) 이후 출생</translation>
    </message>
    <message>
        <source>Counted from 1 March, your Kua number would be %1.</source>
        <translation>3월 1일부터 한 해를 세면 본인의 본명궁 숫자는 %1입니다.</translation>
    </message>
    <message>
        <source>Counted from 1 March, your partner&apos;s Kua number would be %1.</source>
        <translation>3월 1일부터 한 해를 세면 상대방의 본명궁 숫자는 %1입니다.</translation>
    </message>
    <message>
        <source>Counted from Li Chun, your Kua number would be %1.</source>
        <translation>입춘부터 한 해를 세면 본인의 본명궁 숫자는 %1입니다.</translation>
    </message>
    <message>
        <source>Counted from Li Chun, your partner&apos;s Kua number would be %1.</source>
        <translation>입춘부터 한 해를 세면 상대방의 본명궁 숫자는 %1입니다.</translation>
    </message>
</context>
<context>
    <name>ReadingWords</name>
    <message>
        <source>No character reading is known for this Kua number.</source>
        <translation>이 본명궁 숫자에 해당하는 성격 풀이가 없습니다.</translation>
    </message>
    <message>
        <source>You will flow like water. You have a flexible and adjusting nature. You may seem stable but in reality you are restless. You will make a good leader, as you are confident and clear about your decisions. You have a magnetic personality.<byte value="xd"/>
<byte value="xd"/>
Element Water is compatible with elements Tree and Metal.<byte value="xd"/>
<byte value="xd"/>
Element Water is not compatible with elements Fire and Soil</source>
        <translation>물처럼 흘러가는 사람입니다. 유연하고 상황에 잘 적응하는 성품을 지니고 있습니다. 겉으로는 안정되어 보이지만 실제로는 마음이 늘 들떠 있습니다. 자신감이 있고 결정이 분명하므로 좋은 지도자가 될 것입니다. 사람을 끌어당기는 매력적인 성격을 지니고 있습니다.<byte value="xd"/>
<byte value="xd"/>
수(水) 오행은 나무 오행 및 금(金) 오행과 궁합이 맞습니다.<byte value="xd"/>
<byte value="xd"/>
수(水) 오행은 화(火) 오행 및 흙 오행과 궁합이 맞지 않습니다.</translation>
    </message>
    <message>
        <source>You are grounded and have strong roots that spread throughout the soil. You are very loyal and dependable. At the same time you can be stubborn and stick to your decisions. You can be the best friend or the worst enemy.<byte value="xd"/>
<byte value="xd"/>
Element Earth is compatible with elements Fire and Metal.<byte value="xd"/>
<byte value="xd"/>
Element Earth is compatible with elements Wood and Water.</source>
        <translation>현실에 발을 굳게 딛고 있으며, 흙 속 곳곳으로 뻗어 나간 튼튼한 뿌리를 지니고 있습니다. 매우 충직하고 믿음직합니다. 한편으로는 고집이 세어 한번 내린 결정을 굽히지 않기도 합니다. 가장 좋은 친구가 될 수도 있고 가장 무서운 적이 될 수도 있습니다.<byte value="xd"/>
<byte value="xd"/>
토(土) 오행은 화(火) 오행 및 금(金) 오행과 궁합이 맞습니다.<byte value="xd"/>
<byte value="xd"/>
토(土) 오행은 목(木) 오행 및 수(水) 오행과 궁합이 맞습니다.</translation>
    </message>
    <message>
        <source>You are a deep thinker and believe in discovering things for yourself. You are disciplined and methodical by nature. You believe more in quality than quantity.<byte value="xd"/>
<byte value="xd"/>
Element Metal is compatible with elements Water and Soil.<byte value="xd"/>
<byte value="xd"/>
Element Metal is not compatible with elements Fire and Wood.    </source>
        <translation>깊이 생각하는 사람이며, 무엇이든 스스로 알아내야 한다고 믿습니다. 천성적으로 절제력이 있고 체계적입니다. 양보다 질을 더 중요하게 여깁니다.<byte value="xd"/>
<byte value="xd"/>
금(金) 오행은 수(水) 오행 및 흙 오행과 궁합이 맞습니다.<byte value="xd"/>
<byte value="xd"/>
금(金) 오행은 화(火) 오행 및 목(木) 오행과 궁합이 맞지 않습니다.    </translation>
    </message>
    <message>
        <source>You are committed to your work and always fulfill your commitments. You are always young at heart and aim to reach the top and spread out.<byte value="xd"/>
<byte value="xd"/>
Element Wood is compatible with elements Water and Fire.<byte value="xd"/>
<byte value="xd"/>
Element Wood is not compatible with elements Fire and Tree.</source>
        <translation>자신의 일에 헌신하며 약속한 일은 언제나 지킵니다. 늘 젊은 마음을 지니고 있으며, 정상에 올라 널리 뻗어 나가는 것을 목표로 삼습니다.<byte value="xd"/>
<byte value="xd"/>
목(木) 오행은 수(水) 오행 및 화(火) 오행과 궁합이 맞습니다.<byte value="xd"/>
<byte value="xd"/>
목(木) 오행은 화(火) 오행 및 나무 오행과 궁합이 맞지 않습니다.</translation>
    </message>
    <message>
        <source>You have a lot of passion and fire burning inside you. You have an attractive personality and are always enthusiastic about doing things. You need to be surrounded by people and hate loneliness.<byte value="xd"/>
<byte value="xd"/>
Element Fire is compatible with elements Wood and Soil.<byte value="xd"/>
<byte value="xd"/>
Element Fire is not compatible with elements Metal and Soil.</source>
        <translation>내면에 열정과 불꽃이 뜨겁게 타오르고 있습니다. 매력적인 성격을 지니고 있으며 무슨 일이든 늘 의욕적으로 임합니다. 주위에 사람들이 있어야 하며 외로움을 싫어합니다.<byte value="xd"/>
<byte value="xd"/>
화(火) 오행은 목(木) 오행 및 흙 오행과 궁합이 맞습니다.<byte value="xd"/>
<byte value="xd"/>
화(火) 오행은 금(金) 오행 및 흙 오행과 궁합이 맞지 않습니다.</translation>
    </message>
    <message>
        <source>East</source>
        <comment>group</comment>
        <translation>동사명(東四命)</translation>
    </message>
    <message>
        <source>West</source>
        <comment>group</comment>
        <translation>서사명(西四命)</translation>
    </message>
    <message>
        <source>Water</source>
        <comment>element</comment>
        <translation>수(水)</translation>
    </message>
    <message>
        <source>Earth</source>
        <comment>element</comment>
        <translation>토(土)</translation>
    </message>
    <message>
        <source>Wood</source>
        <comment>element</comment>
        <translation>목(木)</translation>
    </message>
    <message>
        <source>Metal</source>
        <comment>element</comment>
        <translation>금(金)</translation>
    </message>
    <message>
        <source>Fire</source>
        <comment>element</comment>
        <translation>화(火)</translation>
    </message>
    <message>
        <source>Kan</source>
        <comment>trigram</comment>
        <translation>감(坎)</translation>
    </message>
    <message>
        <source>Kun</source>
        <comment>trigram</comment>
        <translation>곤(坤)</translation>
    </message>
    <message>
        <source>Chen</source>
        <comment>trigram</comment>
        <translation>진(震)</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>trigram</comment>
        <translation>손(巽)</translation>
    </message>
    <message>
        <source>Chien</source>
        <comment>trigram</comment>
        <translation>건(乾)</translation>
    </message>
    <message>
        <source>Tui</source>
        <comment>trigram</comment>
        <translation>태(兌)</translation>
    </message>
    <message>
        <source>Ken</source>
        <comment>trigram</comment>
        <translation>간(艮)</translation>
    </message>
    <message>
        <source>Li</source>
        <comment>trigram</comment>
        <translation>이(離)</translation>
    </message>
    <message>
        <source>Off White</source>
        <comment>colour</comment>
        <translation>미색</translation>
    </message>
    <message>
        <source>Off-White</source>
        <comment>colour</comment>
        <translation>미색</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>colour</comment>
        <translation>검은색</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>colour</comment>
        <translation>초록색</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>colour</comment>
        <translation>파란색</translation>
    </message>
    <message>
        <source>Orange</source>
        <comment>colour</comment>
        <translation>주황색</translation>
    </message>
    <message>
        <source>Gray</source>
        <comment>colour</comment>
        <translation>회색</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>colour</comment>
        <translation>빨간색</translation>
    </message>
    <message>
        <source>White</source>
        <comment>colour</comment>
        <translation>흰색</translation>
    </message>
    <message>
        <source>Purple</source>
        <comment>colour</comment>
        <translation>보라색</translation>
    </message>
    <message>
        <source>North</source>
        <comment>direction</comment>
        <translation>북</translation>
    </message>
    <message>
        <source>North East</source>
        <comment>direction</comment>
        <translation>북동</translation>
    </message>
    <message>
        <source>East</source>
        <comment>direction</comment>
        <translation>동</translation>
    </message>
    <message>
        <source>South East</source>
        <comment>direction</comment>
        <translation>남동</translation>
    </message>
    <message>
        <source>South</source>
        <comment>direction</comment>
        <translation>남</translation>
    </message>
    <message>
        <source>South West</source>
        <comment>direction</comment>
        <translation>남서</translation>
    </message>
    <message>
        <source>West</source>
        <comment>direction</comment>
        <translation>서</translation>
    </message>
    <message>
        <source>North West</source>
        <comment>direction</comment>
        <translation>북서</translation>
    </message>
    <message>
        <source>Excellent</source>
        <comment>rating</comment>
        <translation>최상</translation>
    </message>
    <message>
        <source>Very Good</source>
        <comment>rating</comment>
        <translation>매우 좋음</translation>
    </message>
    <message>
        <source>Good</source>
        <comment>rating</comment>
        <translation>좋음</translation>
    </message>
    <message>
        <source>Unsatisfactory</source>
        <comment>rating</comment>
        <translation>미흡</translation>
    </message>
    <message>
        <source>Bad</source>
        <comment>rating</comment>
        <translation>나쁨</translation>
    </message>
    <message>
        <source>Disastrous</source>
        <comment>rating</comment>
        <translation>최악</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <extracomment>The pair of trigrams, the user&apos;s first: &quot;Kun-Kun&quot;</extracomment>
        <translation>%1-%2</translation>
    </message>
    <message>
        <source>Mr. %1</source>
        <translation>%1 님</translation>
    </message>
    <message>
        <source>Ms. %1</source>
        <translation>%1 님</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>이 소프트웨어의 업데이트가 있을 수 있습니다.<byte value="xd"/>업데이트를 확인하시겠습니까?</translation>
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
        <translation>프로그램 그림</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the compatibility of Kua or Gua numbers of two people according to the Eight Mansions School of Feng Shui. This software shows how your personal trigram reflects how you affect or get affected by other people.</source>
        <translation>VA Zuvo Dada Vuvizoreduror는 팔택풍수에 따른 두 사람의 본명궁(本命宮) 궁합을 바탕으로 합니다. 이 소프트웨어는 다른 사람과 영향을 주고받는 모습이 본인의 괘에 어떻게 나타나는지 보여 줍니다.</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>방문하기: %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>재택 창업 기회. 직접 인터넷 사업을 시작하여 온라인으로 수익을 올리세요. 운영하시는 웹사이트의 브랜드를 완전히 입힌 이 소프트웨어를 받아 보세요.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>자세한 내용 보기</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
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
        <translation>프로그램 그림</translation>
    </message>
    <message>
        <source>Yes, take me to the discussion forum at %1</source>
        <translation>예, %1의 토론 포럼으로 이동합니다</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>종료(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>친구에게 추천</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>본인 이름</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>본인 이름</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>본인 이메일 주소</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>본인 이메일 주소</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>친구 이름</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>친구 이름</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>친구 이메일 주소</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>친구 이메일 주소</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>지금 친구에게 추천(&amp;N)</translation>
    </message>
    <message>
        <source>Your Message
</source>
        <translation>보내실 메시지
</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>보내실 메시지</translation>
    </message>
    <message>
        <source>Download Our Other Programs</source>
        <translation>다른 프로그램 다운로드</translation>
    </message>
    <message>
        <source>Besides this program we publish a range of other small programs for home and office. Each one is free to try, quick to install and easy to use.

Every program has a page of its own with a short description, a picture and a download link, so you can see what it does before you fetch it.

Browse the whole catalogue at %1 and pick the programs that suit you.</source>
        <translation>이 프로그램 외에도 저희는 가정과 사무실에서 쓸 수 있는 다양한 소형 프로그램을 배포하고 있습니다. 모든 프로그램은 무료로 체험할 수 있으며, 설치가 빠르고 사용하기 쉽습니다.

프로그램마다 간단한 설명과 그림, 다운로드 링크가 담긴 전용 페이지가 있으므로, 내려받기 전에 어떤 프로그램인지 확인할 수 있습니다.

%1에서 전체 목록을 둘러보시고 마음에 드는 프로그램을 골라 보세요.</translation>
    </message>
    <message>
        <source>Visit the program catalogue</source>
        <translation>프로그램 목록 보기</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>보내실 메시지</translation>
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
        <translation>토론 포럼에 참여하세요: %1</translation>
    </message>
    <message>
        <source>Feng Shui Kua Number </source>
        <translation>풍수 본명궁 </translation>
    </message>
    <message>
        <source>Your Kua Number is: </source>
        <translation>본명궁 숫자: </translation>
    </message>
    <message>
        <source>Kua or Gua Number calculated according to the Eight Mansions School of Feng Shui helps one attain prosperity and everlasting success. It is calculated on basis of your birth and gender details.</source>
        <translation>팔택풍수에 따라 계산한 본명궁은 번영과 영원한 성공을 얻는 데 도움이 됩니다. 본명궁은 출생 정보와 성별을 바탕으로 계산합니다.</translation>
    </message>
    <message>
        <source>Your Color is:</source>
        <translation>색상:</translation>
    </message>
    <message>
        <source>Your Element is: </source>
        <translation>오행: </translation>
    </message>
    <message>
        <source>Your are a</source>
        <translation>본명궁으로 보면</translation>
    </message>
    <message>
        <source>Group Person</source>
        <translation>사람입니다</translation>
    </message>
    <message>
        <source> Feng Shui Kua Number </source>
        <translation> 풍수 본명궁 </translation>
    </message>
    <message>
        <source>Trigram Compatibility</source>
        <translation>괘 궁합</translation>
    </message>
    <message>
        <source>Your Trigram</source>
        <translation>본인의 괘</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>생기(生氣)</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>천의(天醫)</translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation>연년(延年)</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>복위(伏位)</translation>
    </message>
    <message>
        <source>Mishaps</source>
        <translation>화해(禍害)</translation>
    </message>
    <message>
        <source>Five Ghosts</source>
        <translation>오귀(五鬼)</translation>
    </message>
    <message>
        <source>Six Killings</source>
        <translation>육살(六煞)</translation>
    </message>
    <message>
        <source>Total Loss</source>
        <translation>절명(絶命)</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Trigram</source>
        <translation>상대방의 괘</translation>
    </message>
    <message>
        <source>Compatibility Interpretation</source>
        <translation>궁합 해석</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>이 소프트웨어를 운영하시는 사이트에 맞게 공동 브랜딩하세요. 방문자의 충성도와 방문 수를 높이세요. 여기에 사이트 이름과 링크를 넣으세요. 자세한 내용은 “도움말”을 참조하세요. 공동 브랜딩에 대해 더 알아보려면 여기를 클릭하세요.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>재택 창업 기회. 직접 인터넷 사업을 시작하여 온라인으로 수익을 올리세요. 운영하시는 웹사이트의 브랜드를 완전히 입힌 이 소프트웨어를 받아 보세요. 자세한 내용을 보려면 여기를 클릭하세요.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>뒤로(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>종료(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>온라인 도움말(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>웹사이트 방문(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>소프트웨어 업데이트 확인(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>소프트웨어 정보(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>후원(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>온라인으로 돈 벌기(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>인쇄(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>PDF로 내보내기(&amp;E)...</translation>
    </message>
    <message>
        <source>Plan of Your &amp;Home...</source>
        <translation>사는 집 평면도(&amp;H)...</translation>
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
        <translation>토론 포럼에 참여하세요: %1</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the calculation of Kua or Gua numbers of two people. The Kua or Gua Number is calculated according to the Eight Mansions School of Feng Shui. This number helps one attain prosperity and everlasting success. It is calculated on the basis of your birth and gender details.</source>
        <translation>VA Zuvo Dada Vuvizoreduror는 두 사람의 본명궁(本命宮) 계산을 바탕으로 합니다. 본명궁은 팔택풍수에 따라 계산하며, 번영과 영원한 성공을 얻는 데 도움이 됩니다. 본명궁 계산에는 출생 정보와 성별이 쓰입니다.</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the principle that the Kua number for a person helps one analyze their destiny and defines their auspicious and inauspicious directions. People of compatible direction groups get along well with each while those of opposing direction groups do not. VA Zuvo Dada Vuvizoreduror helps you analyze your relationship on the basis of this school of Feng Shui.</source>
        <translation>VA Zuvo Dada Vuvizoreduror는 한 사람의 본명궁이 그 사람의 운명을 분석하는 데 도움을 주고 길한 방위와 흉한 방위를 정해 준다는 원리에 기초합니다. 방위 그룹이 서로 맞는 사람들은 잘 어울리지만, 방위 그룹이 서로 반대인 사람들은 그렇지 않습니다. VA Zuvo Dada Vuvizoreduror는 이 풍수 유파에 따라 두 분의 관계를 분석해 드립니다.</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>이전에 저장한 풀이 열기(&amp;O)</translation>
    </message>
    <message>
        <source>Your Details Please</source>
        <translation>본인 정보를 입력하세요</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>본인 이름</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>생년월일</translation>
    </message>
    <message>
        <source>Your birth day</source>
        <translation>본인의 출생일</translation>
    </message>
    <message>
        <source>Your birth month</source>
        <translation>본인의 출생월</translation>
    </message>
    <message>
        <source>Your birth year</source>
        <translation>본인의 출생 연도</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>성별</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>남성</translation>
    </message>
    <message>
        <source>Your sex: male</source>
        <translation>본인 성별: 남성</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>여성</translation>
    </message>
    <message>
        <source>Your sex: female</source>
        <translation>본인 성별: 여성</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Details Please</source>
        <translation>상대방 정보를 입력하세요</translation>
    </message>
    <message>
        <source>Your partner&apos;s name</source>
        <translation>상대방 이름</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth day</source>
        <translation>상대방의 출생일</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth month</source>
        <translation>상대방의 출생월</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth year</source>
        <translation>상대방의 출생 연도</translation>
    </message>
    <message>
        <source>Your partner&apos;s sex: male</source>
        <translation>상대방 성별: 남성</translation>
    </message>
    <message>
        <source>Your partner&apos;s sex: female</source>
        <translation>상대방 성별: 여성</translation>
    </message>
    <message>
        <source>&amp;Find Our Feng Shui Compatibility</source>
        <translation>두 사람의 풍수 궁합 보기(&amp;F)</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>재택 창업 기회. 직접 인터넷 사업을 시작하여 온라인으로 수익을 올리세요. 운영하시는 웹사이트의 브랜드를 완전히 입힌 이 소프트웨어를 받아 보세요. 자세한 내용을 보려면 여기를 클릭하세요.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>이 소프트웨어를 운영하시는 사이트에 맞게 공동 브랜딩하세요. 방문자의 충성도와 방문 수를 높이세요. 여기에 사이트 이름과 링크를 넣으세요. 자세한 내용은 “도움말”을 참조하세요. 공동 브랜딩에 대해 더 알아보려면 여기를 클릭하세요.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>온라인 도움말(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>웹사이트 방문(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>소프트웨어 업데이트 확인(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>소프트웨어 정보(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>후원(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>온라인으로 돈 벌기(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>설정(&amp;S)</translation>
    </message>
    <message>
        <source>Start the Year at &amp;Li Chun (about 4 February)</source>
        <translation>입춘(2월 4일경)부터 한 해 시작(&amp;L)</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The page could not be drawn.</source>
        <translation>페이지를 그릴 수 없습니다.</translation>
    </message>
    <message>
        <source>The printing module could not be loaded: %1</source>
        <translation>인쇄 모듈을 불러올 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The file could not be written whole; the disk may be full.</source>
        <translation>파일을 끝까지 쓰지 못했습니다. 디스크가 가득 찼을 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>shell::Application</name>
    <message>
        <source>Application is already running</source>
        <translation>프로그램이 이미 실행 중입니다.</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>파일을 확인하세요.</translation>
    </message>
    <message>
        <source>The file did not arrive in time. Please try again later.</source>
        <translation>파일을 제시간에 읽지 못했습니다. 잠시 후 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>shell::CommandLine</name>
    <message>
        <source>Gives a couple a Feng Shui compatibility reading after the Eight Mansions school.</source>
        <translation>팔택풍수에 따라 두 사람의 궁합 풀이를 제공합니다.</translation>
    </message>
    <message>
        <source>A saved reading (.fsc) to open.</source>
        <translation>저장된 풀이 파일(.fsc)을 엽니다.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
자세한 내용은 &apos;%1 --help&apos;를 실행하세요.
</translation>
    </message>
    <message>
        <source>%1: only one reading opens at a time; ignored: %2
</source>
        <translation>%1: 풀이는 한 번에 하나만 열 수 있습니다. 무시된 파일: %2
</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>명령행 옵션 도움말을 표시합니다.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The name --help gives the file argument, written as the language writes such a placeholder (in capitals where it has them)</extracomment>
        <translation>파일</translation>
    </message>
</context>
<context>
    <name>shell::frmExit</name>
    <message>
        <source>Please support our discussion forum: visit %1 regularly and join the conversation.</source>
        <translation>토론 포럼을 응원해 주세요. %1에 자주 들러 대화에 함께해 주세요.</translation>
    </message>
    <message>
        <source>The forum at %1 lives on its visitors. Drop in now and then to keep it going.</source>
        <translation>%1의 포럼은 방문자 덕분에 유지됩니다. 포럼이 계속 이어지도록 가끔씩 들러 주세요.</translation>
    </message>
    <message>
        <source>Enjoyed this program? Support the discussion forum behind it by visiting %1 regularly.</source>
        <translation>이 프로그램이 마음에 드셨나요? %1에 자주 방문하여 이 프로그램을 뒷받침하는 토론 포럼을 응원해 주세요.</translation>
    </message>
    <message>
        <source>Help our discussion forum grow: make %1 one of the sites you visit regularly.</source>
        <translation>토론 포럼이 성장하도록 도와주세요. 자주 방문하는 사이트에 %1도 추가해 주세요.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>본인 이름을 입력하세요.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>본인 이메일 주소를 입력하세요.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>메시지를 입력하세요.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>친구 이름을 입력하세요.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>친구 이메일 주소를 입력하세요.</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>이메일 주소에는 공백을 넣을 수 없습니다.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>서로 다른 이메일 주소를 입력하세요.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>올바른 이메일 주소를 입력하세요.</translation>
    </message>
</context>
<context>
    <name>ui::Advice</name>
    <message>
        <source>%1 for %2</source>
        <extracomment>Something for someone: &quot;Health for Anna&quot;, &quot;East for you&quot;. %2 is a name, or &quot;you&quot; or &quot;your partner&quot; as translated here: a construction that takes it unchanged, such as &quot;Anna: Health&quot;, keeps the grammar right.</extracomment>
        <translation>%2에게 %1</translation>
    </message>
    <message>
        <source>%1 favours %2: %3</source>
        <translation>%1(%2에게 길한 방위): %3</translation>
    </message>
    <message>
        <source>you</source>
        <extracomment>Names the user where no name is known (a reading opened from a file), inside the charts&apos; sentences: &quot;Health for you&quot;, &quot;Inner ring: you&quot;</extracomment>
        <translation>본인</translation>
    </message>
    <message>
        <source>your partner</source>
        <extracomment>Names the partner where no name is known; see &quot;you&quot;</extracomment>
        <translation>상대방</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A direction and what it holds: &quot;North: Relationship for Anna, Health for Ben&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The stars of one direction for several: &quot;Relationship for Anna, Health for Ben&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Inner ring: %1. Outer ring: %2. %3 good for both.</source>
        <extracomment>%1 and %2 the two names, or &quot;you&quot; and &quot;your partner&quot;; %3 the star that marks a direction good for both</extracomment>
        <translation>%3 표시는 두 분 모두에게 길한 방위입니다. 안쪽 원은 %1, 바깥쪽 원은 %2입니다.</translation>
    </message>
    <message>
        <source>A direction is the way you face when you sit or work, and the way the head of the bed points. Lay North on the north of your floor plan as a compass measures it, not on the front door.</source>
        <translation>방위란 앉거나 일할 때 바라보는 방향과 침대 머리 쪽이 향하는 방향을 말합니다. 방위도의 북쪽은 현관이 아니라 나침반으로 잰 평면도의 북쪽에 맞추세요.</translation>
    </message>
    <message>
        <source>You are of one group: your charts share its four favourable directions.</source>
        <translation>두 분은 같은 그룹입니다. 두 분의 방위도에는 이 그룹의 길한 방위 네 곳이 똑같이 나타납니다.</translation>
    </message>
    <message>
        <source>You are of different groups: your charts share no favourable direction. Practitioners see this in many couples and do not read it as a verdict on the two of you. Each of you follows your own chart for your own things: desk, seat, your side of the bed.</source>
        <translation>두 분은 서로 다른 그룹입니다. 두 분의 방위도에 공통된 길한 방위는 없습니다. 풍수가들은 많은 커플에게서 이런 경우를 보며, 이를 두 분의 관계에 대한 판정으로 보지 않습니다. 책상, 앉는 자리, 침대에서 자기 쪽처럼 각자의 것은 각자의 방위도를 따르면 됩니다.</translation>
    </message>
    <message>
        <source>Bed, where its head points, best first</source>
        <translation>침대 머리 방향, 좋은 순서대로</translation>
    </message>
    <message>
        <source>Shared bed, worked out from the two charts</source>
        <translation>함께 쓰는 침대, 두 방위도를 모두 고려</translation>
    </message>
    <message>
        <source>Desk or work seat, the way you face</source>
        <translation>책상이나 작업 자리, 바라보는 방향</translation>
    </message>
    <message>
        <source>North</source>
        <comment>inside a sentence</comment>
        <translation>북쪽</translation>
    </message>
    <message>
        <source>North East</source>
        <comment>inside a sentence</comment>
        <translation>북동쪽</translation>
    </message>
    <message>
        <source>East</source>
        <comment>inside a sentence</comment>
        <translation>동쪽</translation>
    </message>
    <message>
        <source>South East</source>
        <comment>inside a sentence</comment>
        <translation>남동쪽</translation>
    </message>
    <message>
        <source>South</source>
        <comment>inside a sentence</comment>
        <translation>남쪽</translation>
    </message>
    <message>
        <source>South West</source>
        <comment>inside a sentence</comment>
        <translation>남서쪽</translation>
    </message>
    <message>
        <source>West</source>
        <comment>inside a sentence</comment>
        <translation>서쪽</translation>
    </message>
    <message>
        <source>North West</source>
        <comment>inside a sentence</comment>
        <translation>북서쪽</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the entries of a list that runs on as one sentence (&quot;North: Health; East: Success&quot;), with the blanks the language writes around it</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>A line along the rim: a direction good for your house.</source>
        <translation>가장자리를 따라 그은 선은 사는 집의 길한 방위입니다.</translation>
    </message>
    <message>
        <source>%1 for the house</source>
        <extracomment>The house&apos;s star in a list of whose star it is, as in &quot;%1 for %2&quot;: &quot;Five Ghosts for the house&quot;</extracomment>
        <translation>집에 %1</translation>
    </message>
</context>
<context>
    <name>ui::CompassChart</name>
    <message>
        <source>N</source>
        <extracomment>abbreviation of North on a compass</extracomment>
        <translation>북</translation>
    </message>
    <message>
        <source>NE</source>
        <extracomment>abbreviation of North East on a compass</extracomment>
        <translation>북동</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>abbreviation of East on a compass</extracomment>
        <translation>동</translation>
    </message>
    <message>
        <source>SE</source>
        <extracomment>abbreviation of South East on a compass</extracomment>
        <translation>남동</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>abbreviation of South on a compass</extracomment>
        <translation>남</translation>
    </message>
    <message>
        <source>SW</source>
        <extracomment>abbreviation of South West on a compass</extracomment>
        <translation>남서</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>abbreviation of West on a compass</extracomment>
        <translation>서</translation>
    </message>
    <message>
        <source>NW</source>
        <extracomment>abbreviation of North West on a compass</extracomment>
        <translation>북서</translation>
    </message>
    <message>
        <source>You</source>
        <translation>본인</translation>
    </message>
    <message>
        <source>Your Partner</source>
        <translation>상대방</translation>
    </message>
    <message>
        <source>Both of You</source>
        <translation>두 분</translation>
    </message>
    <message>
        <source>Suc|cess</source>
        <extracomment>A star&apos;s name on the compass chart. A | marks where the word may break with a hyphen when it does not fit on one line; it is never shown. Give a shorter form where the chart needs one.</extracomment>
        <translation>생기</translation>
    </message>
    <message>
        <source>Health</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>천의</translation>
    </message>
    <message>
        <source>Re|la|tion|ship</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>연년</translation>
    </message>
    <message>
        <source>Per|son|al</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>복위</translation>
    </message>
    <message>
        <source>Mis|haps</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>화해</translation>
    </message>
    <message>
        <source>Five Ghosts</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>오귀</translation>
    </message>
    <message>
        <source>Six Kill|ings</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>육살</translation>
    </message>
    <message>
        <source>Total Loss</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>절명</translation>
    </message>
</context>
<context>
    <name>ui::DirectionsPanel</name>
    <message>
        <source>Your directions</source>
        <translation>본인의 방위</translation>
    </message>
    <message>
        <source>Your partner&apos;s directions</source>
        <translation>상대방의 방위</translation>
    </message>
    <message>
        <source>Your directions and your partner&apos;s</source>
        <translation>본인과 상대방의 방위</translation>
    </message>
    <message>
        <source>Your directions and advice</source>
        <translation>두 분의 방위와 조언</translation>
    </message>
</context>
<context>
    <name>ui::House</name>
    <message>
        <source>a %1 house of the East group</source>
        <extracomment>A house after the trigram of the side it sits on: &quot;a Kan house of the East group&quot;</extracomment>
        <translation>동사택(東四宅)인 %1택</translation>
    </message>
    <message>
        <source>a %1 house of the West group</source>
        <extracomment>See &quot;a %1 house of the East group&quot;</extracomment>
        <translation>서사택(西四宅)인 %1택</translation>
    </message>
    <message>
        <source>Your house: %1</source>
        <translation>사는 집: %1</translation>
    </message>
    <message>
        <source>Type the facing in degrees, from 0 to 359.9, as the compass shows it.</source>
        <translation>집의 향(向)을 0~359.9도 사이로, 나침반에 나오는 대로 입력하세요.</translation>
    </message>
    <message>
        <source>%1: faces %2, sits %3: %4</source>
        <extracomment>%1 the degrees, %2 the direction the house faces, %3 the one it sits on (both as inside a sentence), %4 the house: &quot;183°: faces South, sits North: a Kan house of the East group&quot;</extracomment>
        <translation>%1: %2을 향하고 %3을 등진 %4</translation>
    </message>
    <message>
        <source>%1 lies on the line between %2 and %3: the house is either %4 or %5. Measure again, a step to one side, to tell which.</source>
        <extracomment>%1 the degrees, %2 and %3 the two directions it lies between, %4 and %5 the two houses</extracomment>
        <translation>%1는 %2과 %3의 경계선에 있어, 집은 %4 또는 %5입니다. 한 걸음 옆으로 옮겨 다시 재면 어느 쪽인지 알 수 있습니다.</translation>
    </message>
    <message>
        <source>%1: of the East group, like the house</source>
        <translation>%1: 동사명(東四命)으로 집과 같은 그룹</translation>
    </message>
    <message>
        <source>%1: of the West group, like the house</source>
        <translation>%1: 서사명(西四命)으로 집과 같은 그룹</translation>
    </message>
    <message>
        <source>%1: of the East group, in a West-group house: inside it, use your own favourable directions</source>
        <translation>%1: 동사명(東四命)으로 서사택(西四宅)에 사는 경우, 집 안에서는 자신의 길한 방위를 따르세요</translation>
    </message>
    <message>
        <source>%1: of the West group, in an East-group house: inside it, use your own favourable directions</source>
        <translation>%1: 서사명(西四命)으로 동사택(東四宅)에 사는 경우, 집 안에서는 자신의 길한 방위를 따르세요</translation>
    </message>
    <message>
        <source>The facing is the side the house looks out of, usually the side of the front door, not a balcony. Stand outside the main door, looking out, away from metal and cars, and type the degrees the compass shows (magnetic north). Without a compass, choose the direction.</source>
        <translation>향(向)은 집이 바깥을 바라보는 쪽으로, 보통 현관문이 있는 쪽이며 발코니 쪽이 아닙니다. 현관문 밖에 서서 바깥을 바라보고, 금속이나 자동차에서 떨어진 곳에서 나침반에 나오는 각도(자북 기준)를 입력하세요. 나침반이 없으면 방위를 선택하세요.</translation>
    </message>
</context>
<context>
    <name>ui::HouseBox</name>
    <message>
        <source>Your House</source>
        <translation>사는 집</translation>
    </message>
    <message>
        <source>Facing of your house in degrees</source>
        <translation>집의 향(向) 각도</translation>
    </message>
    <message>
        <source>The direction your house faces</source>
        <translation>집이 향하는 방위</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>Forget This House</source>
        <translation>이 집 지우기</translation>
    </message>
    <message>
        <source>Facing in degrees:</source>
        <translation>향(向) 각도:</translation>
    </message>
    <message>
        <source>or the direction:</source>
        <translation>또는 방위:</translation>
    </message>
    <message>
        <source>Plan of Your Home...</source>
        <translation>사는 집 평면도...</translation>
    </message>
</context>
<context>
    <name>ui::Plan</name>
    <message>
        <source>House</source>
        <extracomment>Names the house on a plan&apos;s sector: &quot;House: Five Ghosts&quot;</extracomment>
        <translation>집</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Whose star, then the star, on a plan&apos;s sector: &quot;Anna: Mishaps&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The letter on the plan&apos;s north arrow</extracomment>
        <translation>북</translation>
    </message>
    <message>
        <source>The middle of the home, which belongs to no direction.</source>
        <translation>집의 한가운데로, 어느 방위에도 속하지 않습니다.</translation>
    </message>
    <message>
        <source>On the line between %1 and %2, which a compass held by hand cannot tell apart.</source>
        <extracomment>%1 and %2 two directions</extracomment>
        <translation>%1과 %2의 경계선으로, 손에 든 나침반으로는 구별할 수 없습니다.</translation>
    </message>
    <message>
        <source>North is turned %1 clockwise from the plan&apos;s top.</source>
        <extracomment>%1 an angle in degrees: &quot;North is turned 30° clockwise from the plan&apos;s top.&quot;</extracomment>
        <translation>북쪽은 평면도 위쪽에서 시계 방향으로 %1 돌아가 있습니다.</translation>
    </message>
    <message>
        <source>The centre lies %1% across and %2% down the plan.</source>
        <extracomment>%1 and %2 shares in per cent of the plan&apos;s width and height</extracomment>
        <translation>중심은 평면도의 왼쪽 끝에서 %1%, 위쪽 끝에서 %2% 지점에 있습니다.</translation>
    </message>
    <message>
        <source>Your Home</source>
        <translation>사는 집</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <extracomment>%1 a date</extracomment>
        <translation>작성일: %1</translation>
    </message>
    <message>
        <source>+ and green: favourable for all shown. − and red: unfavourable for all shown. No colour: favourable for some, unfavourable for others.</source>
        <translation>+와 초록색: 표시된 모두에게 길함. −와 빨간색: 표시된 모두에게 흉함. 색 없음: 일부에게는 길하고 일부에게는 흉함.</translation>
    </message>
    <message>
        <source>This file cannot be read as a plan. Please choose a picture file of at most 64 MB on this computer.</source>
        <translation>이 파일은 평면도로 읽을 수 없습니다. 이 컴퓨터에 있는 64MB 이하의 그림 파일을 선택하세요.</translation>
    </message>
    <message>
        <source>This file is no PNG or JPEG picture. Please choose a picture of your home&apos;s plan.</source>
        <translation>이 파일은 PNG나 JPEG 그림이 아닙니다. 사는 집 평면도 그림을 선택하세요.</translation>
    </message>
    <message>
        <source>This picture is damaged or incomplete. Please choose another copy of it.</source>
        <translation>이 그림은 손상되었거나 완전하지 않습니다. 이 그림의 다른 사본을 선택하세요.</translation>
    </message>
    <message>
        <source>This picture is too large. Please choose a plan of at most 40 million pixels.</source>
        <translation>이 그림은 너무 큽니다. 4,000만 픽셀 이하의 평면도를 선택하세요.</translation>
    </message>
    <message>
        <source>The picture did not arrive in time. Please copy it onto this computer and try again.</source>
        <translation>그림을 제시간에 읽지 못했습니다. 이 컴퓨터에 복사한 뒤 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>평면도</translation>
    </message>
    <message>
        <source>Open a picture of your home&apos;s plan, a PNG or JPEG file, or drop it here.</source>
        <translation>사는 집 평면도 그림(PNG 또는 JPEG 파일)을 열거나 여기에 끌어다 놓으세요.</translation>
    </message>
</context>
<context>
    <name>ui::ReadingPage</name>
    <message>
        <source>Feng Shui Compatibility Reading for %1</source>
        <translation>%1의 풍수 궁합 풀이</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>날짜: %1</translation>
    </message>
    <message>
        <source>You</source>
        <translation>본인</translation>
    </message>
    <message>
        <source>Your Partner</source>
        <translation>상대방</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>방위</translation>
    </message>
    <message>
        <source>Kua Number</source>
        <translation>본명궁 숫자</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>그룹</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>오행</translation>
    </message>
    <message>
        <source>Trigram</source>
        <translation>괘</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The code of this translation&apos;s language, as in its file name</comment>
        <translation>ko</translation>
    </message>
</context>
<context>
    <name>ui::frmFengShuiCompatibilityResult</name>
    <message>
        <source>Your Kua Number</source>
        <translation>본인의 본명궁</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Kua Number</source>
        <translation>상대방의 본명궁</translation>
    </message>
    <message>
        <source>Trigram Compatibility</source>
        <translation>괘 궁합</translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation>%1 그림</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>그림 없음</translation>
    </message>
    <message>
        <source>Feng Shui Compatibility</source>
        <translation>풍수 궁합</translation>
    </message>
    <message>
        <source>Rich Text Format (*.fsc)</source>
        <translation>서식 있는 텍스트 형식 (*.fsc)</translation>
    </message>
    <message>
        <source>Could Not Save The File.
%1</source>
        <translation>파일을 저장할 수 없습니다.
%1</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>PDF로 내보내기</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 파일 (*.pdf)</translation>
    </message>
    <message>
        <source>Could Not Export The File.
%1</source>
        <translation>파일을 내보낼 수 없습니다.
%1</translation>
    </message>
    <message>
        <source>Could Not Print The Reading.
%1</source>
        <translation>풀이를 인쇄할 수 없습니다.
%1</translation>
    </message>
    <message>
        <source>Your Directions</source>
        <translation>두 분의 방위</translation>
    </message>
</context>
<context>
    <name>ui::frmHomePlan</name>
    <message>
        <source>Your Home</source>
        <translation>사는 집</translation>
    </message>
    <message>
        <source>Open Plan...</source>
        <translation>평면도 열기...</translation>
    </message>
    <message>
        <source>North, in degrees clockwise from the plan&apos;s top</source>
        <translation>북쪽 방향(평면도 위쪽에서 시계 방향으로 잰 각도)</translation>
    </message>
    <message>
        <source>Align with the Front Door</source>
        <translation>현관문에 맞추기</translation>
    </message>
    <message>
        <source>Eight sectors</source>
        <translation>8개 부채꼴</translation>
    </message>
    <message>
        <source>A 3 × 3 grid</source>
        <translation>3 × 3 격자</translation>
    </message>
    <message>
        <source>The house</source>
        <translation>집</translation>
    </message>
    <message>
        <source>What each part of the plan holds</source>
        <translation>평면도 각 부분의 내용</translation>
    </message>
    <message>
        <source>The centre: draw the rectangle around the home; its diagonals cross at the centre. A part missing or sticking out by less than a third of its side counts as inside. Drag the centre, or the tip of the north arrow. Keys on the plan: the arrows move it, Ctrl and the arrows move the centre, + and − zoom, 0 fits it.</source>
        <translation>중심: 집을 둘러싸는 직사각형을 그리면 그 대각선이 만나는 점이 중심입니다. 빠지거나 튀어나온 부분이 그 변의 3분의 1 미만이면 안쪽으로 봅니다. 중심이나 북쪽 화살표 끝을 끌어서 옮기세요. 평면도에서 쓰는 키: 화살표 키로 평면도 이동, Ctrl+화살표 키로 중심 이동, +와 −로 확대·축소, 0으로 전체 보기.</translation>
    </message>
    <message>
        <source>Forget This Plan</source>
        <translation>이 평면도 지우기</translation>
    </message>
    <message>
        <source>&amp;North, clockwise from the plan&apos;s top:</source>
        <translation>북쪽(평면도 위쪽에서 시계 방향)(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Divide the plan into:</source>
        <translation>평면도 나누기(&amp;D):</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>표시:</translation>
    </message>
    <message>
        <source>Click the front door on the plan, or move the marker with the arrows and press Enter.</source>
        <translation>평면도에서 현관문을 클릭하거나, 화살표 키로 표시를 옮긴 뒤 Enter 키를 누르세요.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open Plan...</source>
        <translation>평면도 열기(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Export Plan as PDF...</source>
        <translation>평면도를 PDF로 내보내기(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Print Plan...</source>
        <translation>평면도 인쇄(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>보기(&amp;V)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>확대(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>축소(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Fit the Plan</source>
        <translation>평면도 전체 보기(&amp;F)</translation>
    </message>
    <message>
        <source>Open the Plan of Your Home</source>
        <translation>사는 집 평면도 열기</translation>
    </message>
    <message>
        <source>Plans (*.png *.jpg *.jpeg)</source>
        <translation>평면도 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The kept plan of your home could not be opened again.
%1</source>
        <translation>저장해 둔 사는 집 평면도를 다시 열 수 없습니다.
%1</translation>
    </message>
    <message>
        <source>There is no folder to keep it in.</source>
        <translation>저장할 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>The plan is shown, but it could not be kept for the next start.
%1</source>
        <translation>평면도는 표시되었지만 다음 실행 때를 위해 저장하지 못했습니다.
%1</translation>
    </message>
    <message>
        <source>Enter your house&apos;s facing on the Your Directions tab.</source>
        <translation>“두 분의 방위” 탭에서 집의 향(向)을 입력하세요.</translation>
    </message>
    <message>
        <source>The front door cannot be the centre. Please pick it again.</source>
        <translation>현관문은 중심이 될 수 없습니다. 다시 선택하세요.</translation>
    </message>
    <message>
        <source>Could Not Print The Plan.
%1</source>
        <translation>평면도를 인쇄할 수 없습니다.
%1</translation>
    </message>
    <message>
        <source>Export Plan as PDF</source>
        <translation>평면도를 PDF로 내보내기</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 파일 (*.pdf)</translation>
    </message>
    <message>
        <source>Could Not Export The File.
%1</source>
        <translation>파일을 내보낼 수 없습니다.
%1</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>January</source>
        <translation>1월</translation>
    </message>
    <message>
        <source>February</source>
        <translation>2월</translation>
    </message>
    <message>
        <source>March</source>
        <translation>3월</translation>
    </message>
    <message>
        <source>April</source>
        <translation>4월</translation>
    </message>
    <message>
        <source>May</source>
        <translation>5월</translation>
    </message>
    <message>
        <source>June</source>
        <translation>6월</translation>
    </message>
    <message>
        <source>July</source>
        <translation>7월</translation>
    </message>
    <message>
        <source>August</source>
        <translation>8월</translation>
    </message>
    <message>
        <source>September</source>
        <translation>9월</translation>
    </message>
    <message>
        <source>October</source>
        <translation>10월</translation>
    </message>
    <message>
        <source>November</source>
        <translation>11월</translation>
    </message>
    <message>
        <source>December</source>
        <translation>12월</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>본인 이름을 입력하세요.</translation>
    </message>
    <message>
        <source>Please Specify Your Sex</source>
        <translation>본인 성별을 선택하세요.</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <translation>상대방 이름을 입력하세요.</translation>
    </message>
    <message>
        <source>Please Specify Your Partner&apos;s Sex</source>
        <translation>상대방 성별을 선택하세요.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>날짜가 올바르지 않습니다. 일과 월을 확인하세요.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>날짜가 올바르지 않습니다. 일과 월을 확인하세요.</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>열 파일 선택</translation>
    </message>
    <message>
        <source>Feng Shui Compatibility (*.fsc)</source>
        <translation>풍수 궁합 풀이 (*.fsc)</translation>
    </message>
</context>
</TS>
