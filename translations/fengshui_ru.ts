<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CountedYear</name>
    <message>
        <source>Counted from %1: born before %2</source>
        <extracomment>%1 the year counted, %2 the date the year starts on: &quot;1 March 1985&quot;</extracomment>
        <translation>Расчётный год %1: рождение до %2</translation>
    </message>
    <message>
        <source>Counted from %1: born on or after %2</source>
        <translation>Расчётный год %1: рождение не раньше %2</translation>
    </message>
    <message>
        <source>Counted from %1: born before Li Chun (%2)</source>
        <extracomment>%1 the year counted, %2 Li Chun&apos;s date: &quot;4 February 1985&quot;</extracomment>
        <translation>Расчётный год %1: рождение до Личунь (%2)</translation>
    </message>
    <message>
        <source>Counted from %1: born on the day of Li Chun (%2), when the hour of birth decides</source>
        <translation>Расчётный год %1: рождение в день Личунь (%2), когда всё решает час рождения</translation>
    </message>
    <message>
        <source>Counted from %1: born on or after Li Chun (%2)</source>
        <translation>Расчётный год %1: рождение не раньше Личунь (%2)</translation>
    </message>
    <message>
        <source>Counted from 1 March, your Kua number would be %1.</source>
        <translation>При отсчёте года от 1 марта Ваше число Гуа было бы %1.</translation>
    </message>
    <message>
        <source>Counted from 1 March, your partner&apos;s Kua number would be %1.</source>
        <translation>При отсчёте года от 1 марта число Гуа Вашего партнёра было бы %1.</translation>
    </message>
    <message>
        <source>Counted from Li Chun, your Kua number would be %1.</source>
        <translation>При отсчёте года от Личунь Ваше число Гуа было бы %1.</translation>
    </message>
    <message>
        <source>Counted from Li Chun, your partner&apos;s Kua number would be %1.</source>
        <translation>При отсчёте года от Личунь число Гуа Вашего партнёра было бы %1.</translation>
    </message>
</context>
<context>
    <name>ReadingWords</name>
    <message>
        <source>No character reading is known for this Kua number.</source>
        <translation>Для этого числа Гуа толкование характера неизвестно.</translation>
    </message>
    <message>
        <source>You will flow like water. You have a flexible and adjusting nature. You may seem stable but in reality you are restless. You will make a good leader, as you are confident and clear about your decisions. You have a magnetic personality.<byte value="xd"/>
<byte value="xd"/>
Element Water is compatible with elements Tree and Metal.<byte value="xd"/>
<byte value="xd"/>
Element Water is not compatible with elements Fire and Soil</source>
        <translation>Вы подвижны и переменчивы, как вода. У Вас гибкий характер, Вы легко приспосабливаетесь. Вы можете выглядеть уравновешенно, но на деле Вы неугомонны. Из Вас выйдет хороший руководитель: Вы уверены в себе и принимаете чёткие решения. Вы — притягательная личность.<byte value="xd"/>
<byte value="xd"/>
Стихия Вода совместима со стихиями Древо и Металл.<byte value="xd"/>
<byte value="xd"/>
Стихия Вода несовместима со стихиями Огонь и Почва</translation>
    </message>
    <message>
        <source>You are grounded and have strong roots that spread throughout the soil. You are very loyal and dependable. At the same time you can be stubborn and stick to your decisions. You can be the best friend or the worst enemy.<byte value="xd"/>
<byte value="xd"/>
Element Earth is compatible with elements Fire and Metal.<byte value="xd"/>
<byte value="xd"/>
Element Earth is compatible with elements Wood and Water.</source>
        <translation>Вы твёрдо стоите на ногах, и у Вас крепкие корни, раскинувшиеся по всей почве. Вы очень верны и надёжны. В то же время Вы можете быть упрямы и непреклонны в своих решениях. Вы можете стать лучшим другом или злейшим врагом.<byte value="xd"/>
<byte value="xd"/>
Стихия Земля совместима со стихиями Огонь и Металл.<byte value="xd"/>
<byte value="xd"/>
Стихия Земля совместима со стихиями Дерево и Вода.</translation>
    </message>
    <message>
        <source>You are a deep thinker and believe in discovering things for yourself. You are disciplined and methodical by nature. You believe more in quality than quantity.<byte value="xd"/>
<byte value="xd"/>
Element Metal is compatible with elements Water and Soil.<byte value="xd"/>
<byte value="xd"/>
Element Metal is not compatible with elements Fire and Wood.    </source>
        <translation>Вы глубокий мыслитель и верите, что всё следует открывать для себя самостоятельно. По натуре Вы человек дисциплинированный и методичный. Качество для Вас важнее количества.<byte value="xd"/>
<byte value="xd"/>
Стихия Металл совместима со стихиями Вода и Почва.<byte value="xd"/>
<byte value="xd"/>
Стихия Металл несовместима со стихиями Огонь и Дерево.    </translation>
    </message>
    <message>
        <source>You are committed to your work and always fulfill your commitments. You are always young at heart and aim to reach the top and spread out.<byte value="xd"/>
<byte value="xd"/>
Element Wood is compatible with elements Water and Fire.<byte value="xd"/>
<byte value="xd"/>
Element Wood is not compatible with elements Fire and Tree.</source>
        <translation>Вы полностью отдаётесь работе и всегда выполняете свои обязательства. Вы всегда молоды душой и стремитесь достичь вершины и раскинуться вширь.<byte value="xd"/>
<byte value="xd"/>
Стихия Дерево совместима со стихиями Вода и Огонь.<byte value="xd"/>
<byte value="xd"/>
Стихия Дерево несовместима со стихиями Огонь и Древо.</translation>
    </message>
    <message>
        <source>You have a lot of passion and fire burning inside you. You have an attractive personality and are always enthusiastic about doing things. You need to be surrounded by people and hate loneliness.<byte value="xd"/>
<byte value="xd"/>
Element Fire is compatible with elements Wood and Soil.<byte value="xd"/>
<byte value="xd"/>
Element Fire is not compatible with elements Metal and Soil.</source>
        <translation>В Вас пылают страсть и огонь. Вы — привлекательная личность и всегда берётесь за дело с энтузиазмом. Вам нужно быть в окружении людей, а одиночество Вы не выносите.<byte value="xd"/>
<byte value="xd"/>
Стихия Огонь совместима со стихиями Дерево и Почва.<byte value="xd"/>
<byte value="xd"/>
Стихия Огонь несовместима со стихиями Металл и Почва.</translation>
    </message>
    <message>
        <source>East</source>
        <comment>group</comment>
        <translation>Восточная</translation>
    </message>
    <message>
        <source>West</source>
        <comment>group</comment>
        <translation>Западная</translation>
    </message>
    <message>
        <source>Water</source>
        <comment>element</comment>
        <translation>Вода</translation>
    </message>
    <message>
        <source>Earth</source>
        <comment>element</comment>
        <translation>Земля</translation>
    </message>
    <message>
        <source>Wood</source>
        <comment>element</comment>
        <translation>Дерево</translation>
    </message>
    <message>
        <source>Metal</source>
        <comment>element</comment>
        <translation>Металл</translation>
    </message>
    <message>
        <source>Fire</source>
        <comment>element</comment>
        <translation>Огонь</translation>
    </message>
    <message>
        <source>Kan</source>
        <comment>trigram</comment>
        <translation>Кань</translation>
    </message>
    <message>
        <source>Kun</source>
        <comment>trigram</comment>
        <translation>Кунь</translation>
    </message>
    <message>
        <source>Chen</source>
        <comment>trigram</comment>
        <translation>Чжэнь</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>trigram</comment>
        <translation>Сюнь</translation>
    </message>
    <message>
        <source>Chien</source>
        <comment>trigram</comment>
        <translation>Цянь</translation>
    </message>
    <message>
        <source>Tui</source>
        <comment>trigram</comment>
        <translation>Дуй</translation>
    </message>
    <message>
        <source>Ken</source>
        <comment>trigram</comment>
        <translation>Гэнь</translation>
    </message>
    <message>
        <source>Li</source>
        <comment>trigram</comment>
        <translation>Ли</translation>
    </message>
    <message>
        <source>Off White</source>
        <comment>colour</comment>
        <translation>Молочно-белый</translation>
    </message>
    <message>
        <source>Off-White</source>
        <comment>colour</comment>
        <translation>Молочно-белый</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>colour</comment>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>colour</comment>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>colour</comment>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Orange</source>
        <comment>colour</comment>
        <translation>Оранжевый</translation>
    </message>
    <message>
        <source>Gray</source>
        <comment>colour</comment>
        <translation>Серый</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>colour</comment>
        <translation>Красный</translation>
    </message>
    <message>
        <source>White</source>
        <comment>colour</comment>
        <translation>Белый</translation>
    </message>
    <message>
        <source>Purple</source>
        <comment>colour</comment>
        <translation>Фиолетовый</translation>
    </message>
    <message>
        <source>North</source>
        <comment>direction</comment>
        <translation>Север</translation>
    </message>
    <message>
        <source>North East</source>
        <comment>direction</comment>
        <translation>Северо-восток</translation>
    </message>
    <message>
        <source>East</source>
        <comment>direction</comment>
        <translation>Восток</translation>
    </message>
    <message>
        <source>South East</source>
        <comment>direction</comment>
        <translation>Юго-восток</translation>
    </message>
    <message>
        <source>South</source>
        <comment>direction</comment>
        <translation>Юг</translation>
    </message>
    <message>
        <source>South West</source>
        <comment>direction</comment>
        <translation>Юго-запад</translation>
    </message>
    <message>
        <source>West</source>
        <comment>direction</comment>
        <translation>Запад</translation>
    </message>
    <message>
        <source>North West</source>
        <comment>direction</comment>
        <translation>Северо-запад</translation>
    </message>
    <message>
        <source>Excellent</source>
        <comment>rating</comment>
        <translation>Отлично</translation>
    </message>
    <message>
        <source>Very Good</source>
        <comment>rating</comment>
        <translation>Очень хорошо</translation>
    </message>
    <message>
        <source>Good</source>
        <comment>rating</comment>
        <translation>Хорошо</translation>
    </message>
    <message>
        <source>Unsatisfactory</source>
        <comment>rating</comment>
        <translation>Неудовлетворительно</translation>
    </message>
    <message>
        <source>Bad</source>
        <comment>rating</comment>
        <translation>Плохо</translation>
    </message>
    <message>
        <source>Disastrous</source>
        <comment>rating</comment>
        <translation>Катастрофично</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <extracomment>The pair of trigrams, the user&apos;s first: &quot;Kun-Kun&quot;</extracomment>
        <translation>%1-%2</translation>
    </message>
    <message>
        <source>Mr. %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Ms. %1</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Возможно, для этой программы доступно обновление.<byte value="xd"/>Проверить наличие обновлений?</translation>
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
        <translation>Изображение программы</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the compatibility of Kua or Gua numbers of two people according to the Eight Mansions School of Feng Shui. This software shows how your personal trigram reflects how you affect or get affected by other people.</source>
        <translation>Программа VA Zuvo Dada Vuvizoreduror основана на совместимости чисел Гуа (Куа) двух людей по школе Восьми Дворцов фэн-шуй. Она показывает, как Ваша личная триграмма отражает Ваше влияние на других людей и их влияние на Вас.</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>Посетите наш сайт: %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Бизнес на дому. Откройте интернет-бизнес и зарабатывайте онлайн. Получите эту программу под брендом Вашего сайта.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Узнать подробнее</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
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
        <translation>Изображение программы</translation>
    </message>
    <message>
        <source>Yes, take me to the discussion forum at %1</source>
        <translation>Да, открыть форум обсуждений на %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Порекомендуйте нас другу</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ваш адрес электронной почты</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Ваш адрес электронной почты</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Адрес электронной почты друга</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>Адрес электронной почты друга</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Порекомендовать сейчас</translation>
    </message>
    <message>
        <source>Your Message
</source>
        <translation>Ваше сообщение
</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Ваше сообщение</translation>
    </message>
    <message>
        <source>Download Our Other Programs</source>
        <translation>Скачайте другие программы</translation>
    </message>
    <message>
        <source>Besides this program we publish a range of other small programs for home and office. Each one is free to try, quick to install and easy to use.

Every program has a page of its own with a short description, a picture and a download link, so you can see what it does before you fetch it.

Browse the whole catalogue at %1 and pick the programs that suit you.</source>
        <translation>Помимо этой программы мы выпускаем целый ряд других небольших программ для дома и офиса. Каждую из них можно попробовать бесплатно, она быстро устанавливается и проста в работе.

У каждой программы есть своя страница с кратким описанием, изображением и ссылкой для скачивания, так что Вы можете узнать, что она делает, ещё до загрузки.

Просмотрите весь каталог на %1 и выберите подходящие Вам программы.</translation>
    </message>
    <message>
        <source>Visit the program catalogue</source>
        <translation>Открыть каталог программ</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ваше сообщение</translation>
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
        <translation>Присоединяйтесь к нашему форуму обсуждений на %1</translation>
    </message>
    <message>
        <source>Feng Shui Kua Number </source>
        <translation>Число Гуа по фэн-шуй </translation>
    </message>
    <message>
        <source>Your Kua Number is: </source>
        <translation>Ваше число Гуа: </translation>
    </message>
    <message>
        <source>Kua or Gua Number calculated according to the Eight Mansions School of Feng Shui helps one attain prosperity and everlasting success. It is calculated on basis of your birth and gender details.</source>
        <translation>Число Гуа (Куа), рассчитанное по школе Восьми Дворцов фэн-шуй, помогает достичь процветания и неизменного успеха. Оно определяется по дате рождения и полу.</translation>
    </message>
    <message>
        <source>Your Color is:</source>
        <translation>Ваш цвет:</translation>
    </message>
    <message>
        <source>Your Element is: </source>
        <translation>Ваша стихия: </translation>
    </message>
    <message>
        <source>Your are a</source>
        <translation>Ваша группа</translation>
    </message>
    <message>
        <source>Group Person</source>
        <translation>по числу Гуа</translation>
    </message>
    <message>
        <source> Feng Shui Kua Number </source>
        <translation> Число Гуа по фэн-шуй </translation>
    </message>
    <message>
        <source>Trigram Compatibility</source>
        <translation>Совместимость триграмм</translation>
    </message>
    <message>
        <source>Your Trigram</source>
        <translation>Ваша триграмма</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Успех</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Здоровье</translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation>Отношения</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Саморазвитие</translation>
    </message>
    <message>
        <source>Mishaps</source>
        <translation>Неудачи</translation>
    </message>
    <message>
        <source>Five Ghosts</source>
        <translation>Пять духов</translation>
    </message>
    <message>
        <source>Six Killings</source>
        <translation>Шесть убийств</translation>
    </message>
    <message>
        <source>Total Loss</source>
        <translation>Полная потеря</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Trigram</source>
        <translation>Триграмма партнёра</translation>
    </message>
    <message>
        <source>Compatibility Interpretation</source>
        <translation>Оценка совместимости</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Программа под брендом Вашего сайта. Рост лояльности и посещаемости. Разместите здесь название сайта и ссылку на него. См. меню «Справка». Подробнее о совместном брендинге — щёлкните здесь.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Бизнес на дому. Откройте интернет-бизнес и зарабатывайте онлайн. Получите эту программу под брендом Вашего сайта. Щёлкните здесь, чтобы узнать подробнее.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Справка в &amp;Интернете</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Посетить наш &amp;сайт</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Проверить обновления</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Пожертвовать</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Заработать в &amp;Интернете</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>&amp;Экспорт в PDF...</translation>
    </message>
    <message>
        <source>Plan of Your &amp;Home...</source>
        <translation>План Вашего &amp;жилья...</translation>
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
        <translation>Присоединяйтесь к нашему форуму обсуждений на %1</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the calculation of Kua or Gua numbers of two people. The Kua or Gua Number is calculated according to the Eight Mansions School of Feng Shui. This number helps one attain prosperity and everlasting success. It is calculated on the basis of your birth and gender details.</source>
        <translation>Программа VA Zuvo Dada Vuvizoreduror основана на расчёте чисел Гуа (Куа) двух людей. Число Гуа рассчитывается по школе Восьми Дворцов фэн-шуй. Это число помогает достичь процветания и неизменного успеха. Оно определяется по дате рождения и полу.</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the principle that the Kua number for a person helps one analyze their destiny and defines their auspicious and inauspicious directions. People of compatible direction groups get along well with each while those of opposing direction groups do not. VA Zuvo Dada Vuvizoreduror helps you analyze your relationship on the basis of this school of Feng Shui.</source>
        <translation>Программа VA Zuvo Dada Vuvizoreduror исходит из того, что число Гуа помогает человеку понять свою судьбу и определяет его благоприятные и неблагоприятные направления. Люди из совместимых групп направлений хорошо ладят друг с другом, а из противоположных — нет. VA Zuvo Dada Vuvizoreduror поможет проанализировать Ваши отношения по этой школе фэн-шуй.</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>&amp;Открыть сохранённое толкование</translation>
    </message>
    <message>
        <source>Your Details Please</source>
        <translation>Укажите Ваши данные</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>Д. рожд.</translation>
    </message>
    <message>
        <source>Your birth day</source>
        <translation>Ваша дата рождения: день</translation>
    </message>
    <message>
        <source>Your birth month</source>
        <translation>Ваша дата рождения: месяц</translation>
    </message>
    <message>
        <source>Your birth year</source>
        <translation>Ваша дата рождения: год</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Пол</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Муж.</translation>
    </message>
    <message>
        <source>Your sex: male</source>
        <translation>Ваш пол: мужской</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Жен.</translation>
    </message>
    <message>
        <source>Your sex: female</source>
        <translation>Ваш пол: женский</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Details Please</source>
        <translation>Укажите данные Вашего партнёра</translation>
    </message>
    <message>
        <source>Your partner&apos;s name</source>
        <translation>Имя Вашего партнёра</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth day</source>
        <translation>Дата рождения Вашего партнёра: день</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth month</source>
        <translation>Дата рождения Вашего партнёра: месяц</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth year</source>
        <translation>Дата рождения Вашего партнёра: год</translation>
    </message>
    <message>
        <source>Your partner&apos;s sex: male</source>
        <translation>Пол Вашего партнёра: мужской</translation>
    </message>
    <message>
        <source>Your partner&apos;s sex: female</source>
        <translation>Пол Вашего партнёра: женский</translation>
    </message>
    <message>
        <source>&amp;Find Our Feng Shui Compatibility</source>
        <translation>&amp;Узнать нашу совместимость по фэн-шуй</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Бизнес на дому. Откройте интернет-бизнес и зарабатывайте онлайн. Получите эту программу под брендом Вашего сайта. Щёлкните здесь, чтобы узнать подробнее.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Программа под брендом Вашего сайта. Рост лояльности и посещаемости. Разместите здесь название сайта и ссылку на него. См. меню «Справка». Подробнее о совместном брендинге — щёлкните здесь.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Справка в &amp;Интернете</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Посетить наш &amp;сайт</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Проверить обновления</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Пожертвовать</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>&amp;Заработать в Интернете</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>Start the Year at &amp;Li Chun (about 4 February)</source>
        <translation>Начинать год с &amp;Личунь (начало весны, около 4 февраля)</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Не удалось сформировать страницу.</translation>
    </message>
    <message>
        <source>The printing module could not be loaded: %1</source>
        <translation>Не удалось загрузить модуль печати: %1</translation>
    </message>
    <message>
        <source>The file could not be written whole; the disk may be full.</source>
        <translation>Не удалось записать файл целиком: возможно, диск заполнен.</translation>
    </message>
</context>
<context>
    <name>shell::Application</name>
    <message>
        <source>Application is already running</source>
        <translation>Программа уже запущена.</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Проверьте файл.</translation>
    </message>
    <message>
        <source>The file did not arrive in time. Please try again later.</source>
        <translation>Файл не удалось получить вовремя. Повторите попытку позже.</translation>
    </message>
</context>
<context>
    <name>shell::CommandLine</name>
    <message>
        <source>Gives a couple a Feng Shui compatibility reading after the Eight Mansions school.</source>
        <translation>Составляет для пары толкование совместимости по фэн-шуй согласно школе Восьми Дворцов.</translation>
    </message>
    <message>
        <source>A saved reading (.fsc) to open.</source>
        <translation>Сохранённое толкование (.fsc), которое нужно открыть.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Подробнее: «%1 --help».
</translation>
    </message>
    <message>
        <source>%1: only one reading opens at a time; ignored: %2
</source>
        <translation>%1: одновременно открывается только одно толкование; пропущено: %2
</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Показать справку по параметрам командной строки.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The name --help gives the file argument, written as the language writes such a placeholder (in capitals where it has them)</extracomment>
        <translation>ФАЙЛ</translation>
    </message>
</context>
<context>
    <name>shell::frmExit</name>
    <message>
        <source>Please support our discussion forum: visit %1 regularly and join the conversation.</source>
        <translation>Пожалуйста, поддержите наш форум обсуждений: регулярно заходите на %1 и участвуйте в беседе.</translation>
    </message>
    <message>
        <source>The forum at %1 lives on its visitors. Drop in now and then to keep it going.</source>
        <translation>Форум на %1 живёт благодаря своим посетителям. Заглядывайте время от времени, чтобы он не угас.</translation>
    </message>
    <message>
        <source>Enjoyed this program? Support the discussion forum behind it by visiting %1 regularly.</source>
        <translation>Понравилась программа? Поддержите форум обсуждений, который стоит за ней, — регулярно заходите на %1.</translation>
    </message>
    <message>
        <source>Help our discussion forum grow: make %1 one of the sites you visit regularly.</source>
        <translation>Помогите нашему форуму обсуждений расти: сделайте %1 одним из сайтов, которые Вы регулярно посещаете.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Введите Ваше имя.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Введите Ваш адрес электронной почты.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Введите Ваше сообщение.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Введите имя Вашего друга.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Введите адрес электронной почты Вашего друга.</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Адрес электронной почты не может содержать пробелы.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Введите два разных адреса электронной почты.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Введите правильный адрес электронной почты.</translation>
    </message>
</context>
<context>
    <name>ui::Advice</name>
    <message>
        <source>%1 for %2</source>
        <extracomment>Something for someone: &quot;Health for Anna&quot;, &quot;East for you&quot;. %2 is a name, or &quot;you&quot; or &quot;your partner&quot; as translated here: a construction that takes it unchanged, such as &quot;Anna: Health&quot;, keeps the grammar right.</extracomment>
        <translation>%2: %1</translation>
    </message>
    <message>
        <source>%1 favours %2: %3</source>
        <translation>%1 (%2 в выигрыше)&#xa0;— %3</translation>
    </message>
    <message>
        <source>you</source>
        <extracomment>Names the user where no name is known (a reading opened from a file), inside the charts&apos; sentences: &quot;Health for you&quot;, &quot;Inner ring: you&quot;</extracomment>
        <translation>Вы</translation>
    </message>
    <message>
        <source>your partner</source>
        <extracomment>Names the partner where no name is known; see &quot;you&quot;</extracomment>
        <translation>Ваш партнёр</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A direction and what it holds: &quot;North: Relationship for Anna, Health for Ben&quot;</extracomment>
        <translation>%1&#xa0;— %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The stars of one direction for several: &quot;Relationship for Anna, Health for Ben&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Inner ring: %1. Outer ring: %2. %3 good for both.</source>
        <extracomment>%1 and %2 the two names, or &quot;you&quot; and &quot;your partner&quot;; %3 the star that marks a direction good for both</extracomment>
        <translation>Внутреннее кольцо: %1. Внешнее кольцо: %2. %3&#xa0;— благоприятно для обоих.</translation>
    </message>
    <message>
        <source>A direction is the way you face when you sit or work, and the way the head of the bed points. Lay North on the north of your floor plan as a compass measures it, not on the front door.</source>
        <translation>Направление — это сторона, куда обращено лицо человека, когда он сидит или работает, и сторона, куда указывает изголовье кровати. Совмещайте север схемы с севером на плане жилья, определённым по компасу, а не с входной дверью.</translation>
    </message>
    <message>
        <source>You are of one group: your charts share its four favourable directions.</source>
        <translation>Вы принадлежите к одной группе: на ваших схемах совпадают все четыре её благоприятных направления.</translation>
    </message>
    <message>
        <source>You are of different groups: your charts share no favourable direction. Practitioners see this in many couples and do not read it as a verdict on the two of you. Each of you follows your own chart for your own things: desk, seat, your side of the bed.</source>
        <translation>Вы принадлежите к разным группам: на ваших схемах нет общих благоприятных направлений. Специалисты по фэн-шуй видят такое у многих пар и не считают это приговором вам двоим. Каждый из вас выбирает по своей схеме то, что касается его самого: стол, место, свою сторону кровати.</translation>
    </message>
    <message>
        <source>Bed, where its head points, best first</source>
        <translation>Кровать: направление изголовья, лучшие сначала</translation>
    </message>
    <message>
        <source>Shared bed, worked out from the two charts</source>
        <translation>Общая кровать: расчёт по обеим схемам</translation>
    </message>
    <message>
        <source>Desk or work seat, the way you face</source>
        <translation>Стол или рабочее место: направление взгляда</translation>
    </message>
    <message>
        <source>North</source>
        <comment>inside a sentence</comment>
        <translation>север</translation>
    </message>
    <message>
        <source>North East</source>
        <comment>inside a sentence</comment>
        <translation>северо-восток</translation>
    </message>
    <message>
        <source>East</source>
        <comment>inside a sentence</comment>
        <translation>восток</translation>
    </message>
    <message>
        <source>South East</source>
        <comment>inside a sentence</comment>
        <translation>юго-восток</translation>
    </message>
    <message>
        <source>South</source>
        <comment>inside a sentence</comment>
        <translation>юг</translation>
    </message>
    <message>
        <source>South West</source>
        <comment>inside a sentence</comment>
        <translation>юго-запад</translation>
    </message>
    <message>
        <source>West</source>
        <comment>inside a sentence</comment>
        <translation>запад</translation>
    </message>
    <message>
        <source>North West</source>
        <comment>inside a sentence</comment>
        <translation>северо-запад</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the entries of a list that runs on as one sentence (&quot;North: Health; East: Success&quot;), with the blanks the language writes around it</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>A line along the rim: a direction good for your house.</source>
        <translation>Линия по краю&#xa0;— направление, благоприятное для вашего дома.</translation>
    </message>
    <message>
        <source>%1 for the house</source>
        <extracomment>The house&apos;s star in a list of whose star it is, as in &quot;%1 for %2&quot;: &quot;Five Ghosts for the house&quot;</extracomment>
        <translation>дом: %1</translation>
    </message>
</context>
<context>
    <name>ui::CompassChart</name>
    <message>
        <source>N</source>
        <extracomment>abbreviation of North on a compass</extracomment>
        <translation>С</translation>
    </message>
    <message>
        <source>NE</source>
        <extracomment>abbreviation of North East on a compass</extracomment>
        <translation>СВ</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>abbreviation of East on a compass</extracomment>
        <translation>В</translation>
    </message>
    <message>
        <source>SE</source>
        <extracomment>abbreviation of South East on a compass</extracomment>
        <translation>ЮВ</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>abbreviation of South on a compass</extracomment>
        <translation>Ю</translation>
    </message>
    <message>
        <source>SW</source>
        <extracomment>abbreviation of South West on a compass</extracomment>
        <translation>ЮЗ</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>abbreviation of West on a compass</extracomment>
        <translation>З</translation>
    </message>
    <message>
        <source>NW</source>
        <extracomment>abbreviation of North West on a compass</extracomment>
        <translation>СЗ</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Вы</translation>
    </message>
    <message>
        <source>Your Partner</source>
        <translation>Ваш партнёр</translation>
    </message>
    <message>
        <source>Both of You</source>
        <translation>Вы оба</translation>
    </message>
    <message>
        <source>Suc|cess</source>
        <extracomment>A star&apos;s name on the compass chart. A | marks where the word may break with a hyphen when it does not fit on one line; it is never shown. Give a shorter form where the chart needs one.</extracomment>
        <translation>Успех</translation>
    </message>
    <message>
        <source>Health</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Здо|ро|вье</translation>
    </message>
    <message>
        <source>Re|la|tion|ship</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>От|но|ше|ния</translation>
    </message>
    <message>
        <source>Per|son|al</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Само|раз|ви|тие</translation>
    </message>
    <message>
        <source>Mis|haps</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Не|уда|чи</translation>
    </message>
    <message>
        <source>Five Ghosts</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Пять ду|хов</translation>
    </message>
    <message>
        <source>Six Kill|ings</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Шесть убийств</translation>
    </message>
    <message>
        <source>Total Loss</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Пол|ная по|те|ря</translation>
    </message>
</context>
<context>
    <name>ui::DirectionsPanel</name>
    <message>
        <source>Your directions</source>
        <translation>Ваши направления</translation>
    </message>
    <message>
        <source>Your partner&apos;s directions</source>
        <translation>Направления Вашего партнёра</translation>
    </message>
    <message>
        <source>Your directions and your partner&apos;s</source>
        <translation>Ваши направления и направления Вашего партнёра</translation>
    </message>
    <message>
        <source>Your directions and advice</source>
        <translation>Ваши направления и советы</translation>
    </message>
</context>
<context>
    <name>ui::House</name>
    <message>
        <source>a %1 house of the East group</source>
        <extracomment>A house after the trigram of the side it sits on: &quot;a Kan house of the East group&quot;</extracomment>
        <translation>дом %1 Восточной группы</translation>
    </message>
    <message>
        <source>a %1 house of the West group</source>
        <extracomment>See &quot;a %1 house of the East group&quot;</extracomment>
        <translation>дом %1 Западной группы</translation>
    </message>
    <message>
        <source>Your house: %1</source>
        <translation>Ваш дом: %1</translation>
    </message>
    <message>
        <source>Type the facing in degrees, from 0 to 359.9, as the compass shows it.</source>
        <translation>Введите направление фасада в градусах, от 0 до 359,9, как показывает компас.</translation>
    </message>
    <message>
        <source>%1: faces %2, sits %3: %4</source>
        <extracomment>%1 the degrees, %2 the direction the house faces, %3 the one it sits on (both as inside a sentence), %4 the house: &quot;183°: faces South, sits North: a Kan house of the East group&quot;</extracomment>
        <translation>%1: фасадом на %2, спиной на %3&#xa0;— %4</translation>
    </message>
    <message>
        <source>%1 lies on the line between %2 and %3: the house is either %4 or %5. Measure again, a step to one side, to tell which.</source>
        <extracomment>%1 the degrees, %2 and %3 the two directions it lies between, %4 and %5 the two houses</extracomment>
        <translation>%1 — ровно на границе, где %2 переходит в %3: это либо %4, либо %5. Измерьте ещё раз, отступив на шаг в сторону, чтобы понять, какой именно.</translation>
    </message>
    <message>
        <source>%1: of the East group, like the house</source>
        <translation>%1: Восточная группа, как и дом</translation>
    </message>
    <message>
        <source>%1: of the West group, like the house</source>
        <translation>%1: Западная группа, как и дом</translation>
    </message>
    <message>
        <source>%1: of the East group, in a West-group house: inside it, use your own favourable directions</source>
        <translation>%1: Восточная группа в доме Западной группы: внутри него следует пользоваться своими благоприятными направлениями</translation>
    </message>
    <message>
        <source>%1: of the West group, in an East-group house: inside it, use your own favourable directions</source>
        <translation>%1: Западная группа в доме Восточной группы: внутри него следует пользоваться своими благоприятными направлениями</translation>
    </message>
    <message>
        <source>The facing is the side the house looks out of, usually the side of the front door, not a balcony. Stand outside the main door, looking out, away from metal and cars, and type the degrees the compass shows (magnetic north). Without a compass, choose the direction.</source>
        <translation>Фасад — сторона, которой дом «смотрит» наружу, обычно сторона входной двери, а не балкона. Встаньте снаружи у главной двери лицом от дома, подальше от металла и машин, и введите градусы, которые показывает компас (магнитный север). Если компаса нет, выберите направление.</translation>
    </message>
</context>
<context>
    <name>ui::HouseBox</name>
    <message>
        <source>Your House</source>
        <translation>Ваш дом</translation>
    </message>
    <message>
        <source>Facing of your house in degrees</source>
        <translation>Направление фасада Вашего дома в градусах</translation>
    </message>
    <message>
        <source>The direction your house faces</source>
        <translation>Куда обращён фасад Вашего дома</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Выберите</translation>
    </message>
    <message>
        <source>Forget This House</source>
        <translation>Забыть дом</translation>
    </message>
    <message>
        <source>Facing in degrees:</source>
        <translation>Фасад в градусах:</translation>
    </message>
    <message>
        <source>or the direction:</source>
        <translation>или направление:</translation>
    </message>
    <message>
        <source>Plan of Your Home...</source>
        <translation>План Вашего жилья...</translation>
    </message>
</context>
<context>
    <name>ui::Plan</name>
    <message>
        <source>House</source>
        <extracomment>Names the house on a plan&apos;s sector: &quot;House: Five Ghosts&quot;</extracomment>
        <translation>Дом</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Whose star, then the star, on a plan&apos;s sector: &quot;Anna: Mishaps&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The letter on the plan&apos;s north arrow</extracomment>
        <translation>С</translation>
    </message>
    <message>
        <source>The middle of the home, which belongs to no direction.</source>
        <translation>Середина жилья, которая не относится ни к одному направлению.</translation>
    </message>
    <message>
        <source>On the line between %1 and %2, which a compass held by hand cannot tell apart.</source>
        <extracomment>%1 and %2 two directions</extracomment>
        <translation>Ровно на границе, где %1 переходит в %2: компас в руке их не различит.</translation>
    </message>
    <message>
        <source>North is turned %1 clockwise from the plan&apos;s top.</source>
        <extracomment>%1 an angle in degrees: &quot;North is turned 30° clockwise from the plan&apos;s top.&quot;</extracomment>
        <translation>Север повёрнут на %1 по часовой стрелке относительно верха плана.</translation>
    </message>
    <message>
        <source>The centre lies %1% across and %2% down the plan.</source>
        <extracomment>%1 and %2 shares in per cent of the plan&apos;s width and height</extracomment>
        <translation>Центр находится на %1&#xa0;% ширины плана от левого края и на %2&#xa0;% высоты от верхнего.</translation>
    </message>
    <message>
        <source>Your Home</source>
        <translation>Ваше жильё</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <extracomment>%1 a date</extracomment>
        <translation>Создано %1</translation>
    </message>
    <message>
        <source>+ and green: favourable for all shown. − and red: unfavourable for all shown. No colour: favourable for some, unfavourable for others.</source>
        <translation>+ и зелёный: благоприятно для всех показанных. − и красный: неблагоприятно для всех показанных. Без цвета: благоприятно для одних, неблагоприятно для других.</translation>
    </message>
    <message>
        <source>This file cannot be read as a plan. Please choose a picture file of at most 64 MB on this computer.</source>
        <translation>Этот файл не удаётся прочитать как план. Выберите файл изображения размером не более 64&#xa0;МБ на этом компьютере.</translation>
    </message>
    <message>
        <source>This file is no PNG or JPEG picture. Please choose a picture of your home&apos;s plan.</source>
        <translation>Этот файл не является изображением PNG или JPEG. Выберите изображение плана Вашего жилья.</translation>
    </message>
    <message>
        <source>This picture is damaged or incomplete. Please choose another copy of it.</source>
        <translation>Это изображение повреждено или неполно. Выберите другую его копию.</translation>
    </message>
    <message>
        <source>This picture is too large. Please choose a plan of at most 40 million pixels.</source>
        <translation>Это изображение слишком велико. Выберите план размером не более 40 миллионов пикселей.</translation>
    </message>
    <message>
        <source>The picture did not arrive in time. Please copy it onto this computer and try again.</source>
        <translation>Изображение не удалось получить вовремя. Скопируйте его на этот компьютер и повторите попытку.</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>План</translation>
    </message>
    <message>
        <source>Open a picture of your home&apos;s plan, a PNG or JPEG file, or drop it here.</source>
        <translation>Откройте изображение плана Вашего жилья (файл PNG или JPEG) или перетащите его сюда.</translation>
    </message>
</context>
<context>
    <name>ui::ReadingPage</name>
    <message>
        <source>Feng Shui Compatibility Reading for %1</source>
        <translation>Толкование совместимости по фэн-шуй: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Дата: %1</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Вы</translation>
    </message>
    <message>
        <source>Your Partner</source>
        <translation>Ваш партнёр</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>Направления</translation>
    </message>
    <message>
        <source>Kua Number</source>
        <translation>Число Гуа</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Группа</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Стихия</translation>
    </message>
    <message>
        <source>Trigram</source>
        <translation>Триграмма</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The code of this translation&apos;s language, as in its file name</comment>
        <translation>ru</translation>
    </message>
</context>
<context>
    <name>ui::frmFengShuiCompatibilityResult</name>
    <message>
        <source>Your Kua Number</source>
        <translation>Ваше число Гуа</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Kua Number</source>
        <translation>Число Гуа партнёра</translation>
    </message>
    <message>
        <source>Trigram Compatibility</source>
        <translation>Совместимость триграмм</translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation>Изображение: %1</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Нет изображения</translation>
    </message>
    <message>
        <source>Feng Shui Compatibility</source>
        <translation>Совместимость по фэн-шуй</translation>
    </message>
    <message>
        <source>Rich Text Format (*.fsc)</source>
        <translation>Формат RTF (*.fsc)</translation>
    </message>
    <message>
        <source>Could Not Save The File.
%1</source>
        <translation>Не удалось сохранить файл.
%1</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Экспорт в PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Could Not Export The File.
%1</source>
        <translation>Не удалось экспортировать файл.
%1</translation>
    </message>
    <message>
        <source>Could Not Print The Reading.
%1</source>
        <translation>Не удалось напечатать толкование.
%1</translation>
    </message>
    <message>
        <source>Your Directions</source>
        <translation>Ваши направления</translation>
    </message>
</context>
<context>
    <name>ui::frmHomePlan</name>
    <message>
        <source>Your Home</source>
        <translation>Ваше жильё</translation>
    </message>
    <message>
        <source>Open Plan...</source>
        <translation>Открыть план...</translation>
    </message>
    <message>
        <source>North, in degrees clockwise from the plan&apos;s top</source>
        <translation>Север в градусах по часовой стрелке от верха плана</translation>
    </message>
    <message>
        <source>Align with the Front Door</source>
        <translation>Выровнять по входной двери</translation>
    </message>
    <message>
        <source>Eight sectors</source>
        <translation>Восемь секторов</translation>
    </message>
    <message>
        <source>A 3 × 3 grid</source>
        <translation>Сетка 3 × 3</translation>
    </message>
    <message>
        <source>The house</source>
        <translation>Дом</translation>
    </message>
    <message>
        <source>What each part of the plan holds</source>
        <translation>Что содержит каждая часть плана</translation>
    </message>
    <message>
        <source>The centre: draw the rectangle around the home; its diagonals cross at the centre. A part missing or sticking out by less than a third of its side counts as inside. Drag the centre, or the tip of the north arrow. Keys on the plan: the arrows move it, Ctrl and the arrows move the centre, + and − zoom, 0 fits it.</source>
        <translation>Центр: мысленно обведите жильё прямоугольником; его диагонали пересекаются в центре. Вырез или выступ глубиной менее трети стороны считается внутренней частью. Перетаскивайте центр или кончик стрелки севера. Клавиши на плане: стрелки сдвигают план, Ctrl со стрелками сдвигает центр, + и − меняют масштаб, 0 вписывает план в окно.</translation>
    </message>
    <message>
        <source>Forget This Plan</source>
        <translation>Забыть план</translation>
    </message>
    <message>
        <source>&amp;North, clockwise from the plan&apos;s top:</source>
        <translation>&amp;Север по часовой стрелке от верха плана:</translation>
    </message>
    <message>
        <source>&amp;Divide the plan into:</source>
        <translation>&amp;Деление плана:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Показывать:</translation>
    </message>
    <message>
        <source>Click the front door on the plan, or move the marker with the arrows and press Enter.</source>
        <translation>Щёлкните входную дверь на плане или переместите метку стрелками и нажмите Enter.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Open Plan...</source>
        <translation>&amp;Открыть план...</translation>
    </message>
    <message>
        <source>&amp;Export Plan as PDF...</source>
        <translation>&amp;Экспорт плана в PDF...</translation>
    </message>
    <message>
        <source>&amp;Print Plan...</source>
        <translation>&amp;Печать плана...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Увеличить</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>У&amp;меньшить</translation>
    </message>
    <message>
        <source>&amp;Fit the Plan</source>
        <translation>&amp;Вписать план в окно</translation>
    </message>
    <message>
        <source>Open the Plan of Your Home</source>
        <translation>Открыть план Вашего жилья</translation>
    </message>
    <message>
        <source>Plans (*.png *.jpg *.jpeg)</source>
        <translation>Планы (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The kept plan of your home could not be opened again.
%1</source>
        <translation>Не удалось снова открыть сохранённый план Вашего жилья.
%1</translation>
    </message>
    <message>
        <source>There is no folder to keep it in.</source>
        <translation>Нет папки, в которой его можно сохранить.</translation>
    </message>
    <message>
        <source>The plan is shown, but it could not be kept for the next start.
%1</source>
        <translation>План показан, но сохранить его до следующего запуска не удалось.
%1</translation>
    </message>
    <message>
        <source>Enter your house&apos;s facing on the Your Directions tab.</source>
        <translation>Укажите направление фасада Вашего дома на вкладке «Ваши направления».</translation>
    </message>
    <message>
        <source>The front door cannot be the centre. Please pick it again.</source>
        <translation>Входная дверь не может быть центром. Укажите её ещё раз.</translation>
    </message>
    <message>
        <source>Could Not Print The Plan.
%1</source>
        <translation>Не удалось напечатать план.
%1</translation>
    </message>
    <message>
        <source>Export Plan as PDF</source>
        <translation>Экспорт плана в PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Could Not Export The File.
%1</source>
        <translation>Не удалось экспортировать файл.
%1</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>January</source>
        <translation>Январь</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Февраль</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Март</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Апрель</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Май</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Июнь</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Июль</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Август</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Сентябрь</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Октябрь</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Ноябрь</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Декабрь</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Введите Ваше имя.</translation>
    </message>
    <message>
        <source>Please Specify Your Sex</source>
        <translation>Укажите Ваш пол.</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <translation>Введите имя Вашего партнёра.</translation>
    </message>
    <message>
        <source>Please Specify Your Partner&apos;s Sex</source>
        <translation>Укажите пол Вашего партнёра.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Укажите правильный день или месяц.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Укажите правильный день или месяц.</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>Открыть сохранённое толкование</translation>
    </message>
    <message>
        <source>Feng Shui Compatibility (*.fsc)</source>
        <translation>Совместимость по фэн-шуй (*.fsc)</translation>
    </message>
</context>
</TS>
