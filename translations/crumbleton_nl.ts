<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>ColourWindow</name>
    <message>
        <source>Pink</source>
        <extracomment>Option button, 65 to 105 px wide (some 20 px of it the round mark), default font (8.25 pt): a colour of the ball, the paddles or the background. The colours are adjectives of &quot;Ball Colour&quot;, &quot;Paddle Colour&quot; and &quot;Background Colour&quot;.</extracomment>
        <translation>Roze</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <extracomment>Option button, 89 px wide (some 20 px of it the round mark), default font.</extracomment>
        <translation>Lichtblauw</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Paars</translation>
    </message>
    <message>
        <source>LightBlue</source>
        <extracomment>The same colour as &quot;Light Blue&quot;, written without a blank among the paddle colours.</extracomment>
        <translation>Lichtblauw</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Oranje</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grijs</translation>
    </message>
    <message>
        <source>Crumbleton</source>
        <extracomment>The colour options&apos; window title: the game&apos;s name.</extracomment>
        <translation>Crumbleton</translation>
    </message>
    <message>
        <source>Colours</source>
        <extracomment>Title of the frame around the whole screen, 497 px wide, 12 pt bold underlined.</extracomment>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Ball Colour</source>
        <extracomment>Frame title, 217 px wide, 14.25 pt bold: the ball&apos;s colour.</extracomment>
        <translation>Kleur van de bal</translation>
    </message>
    <message>
        <source>Paddle Colour</source>
        <extracomment>Frame title, 217 px wide, 14.25 pt bold: the colour of both paddles.</extracomment>
        <translation>Kleur van de batjes</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <extracomment>Frame title, 449 px wide, 14.25 pt bold: the colour of the field and the game window.</extracomment>
        <translation>Achtergrondkleur</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Button, 89 x 41 px, default font (8.25 pt): back to the start menu.</extracomment>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Crumbleton Colour Options</source>
        <extracomment>What a screen reader calls the colour options&apos; window (the title stays the game&apos;s name).</extracomment>
        <translation>Crumbleton – kleuropties</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Crumbleton</source>
        <extracomment>The game window&apos;s title: the game&apos;s name.</extracomment>
        <translation>Crumbleton</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>The game window&apos;s only menu. The &amp; marks the access key (Alt+letter).</extracomment>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <extracomment>Menu item: starts the game afresh. The &amp; marks the access key.</extracomment>
        <translation>&amp;Opnieuw</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <extracomment>Menu item: back to the start menu. The &amp; marks the access key.</extracomment>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Menu item: ends the program. The &amp; marks the access key.</extracomment>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Crumbletons</source>
        <extracomment>The big title in the panel beside the field, 241 x 145 px at 39 pt: the game&apos;s name.</extracomment>
        <translation>Crumbletons</translation>
    </message>
    <message>
        <source>Lives:</source>
        <extracomment>Panel label before the number of lives, 73 x 33 px at 18 pt.</extracomment>
        <translation>Levens:</translation>
    </message>
    <message>
        <source>Points:</source>
        <extracomment>Panel label before the points, 73 x 33 px at 18 pt.</extracomment>
        <translation>Punten:</translation>
    </message>
    <message>
        <source>Power Up Time:</source>
        <extracomment>Panel label over the countdown of the large paddle, 161 x 33 px at 18 pt.</extracomment>
        <translation>Power-uptijd:</translation>
    </message>
    <message>
        <source>Press SPACE To Start</source>
        <extracomment>In the field under the bricks, 217 x 33 px at 18 pt bold: the space bar serves the ball.</extracomment>
        <translation>SPATIE om te starten</translation>
    </message>
    <message>
        <source>Power Ups</source>
        <extracomment>Title of the legend of the three power-ups, 105 x 25 px, 12 pt bold, centred.</extracomment>
        <translation>Power-ups</translation>
    </message>
    <message>
        <source> Extra Life</source>
        <extracomment>Legend, beside a compact disc, 81 x 25 px, 12 pt bold: the power-up that gives one more life. The leading blank is the original&apos;s; a translation needs none.</extracomment>
        <translation>Extra leven</translation>
    </message>
    <message>
        <source>Large Paddle</source>
        <extracomment>Legend, beside a banana, 97 x 25 px, 12 pt bold: the power-up that widens both paddles.</extracomment>
        <translation>Groot batje</translation>
    </message>
    <message>
        <source>Shield</source>
        <extracomment>Legend, beside a burning match, 65 x 17 px, 12 pt bold: the power-up that puts a bar behind each paddle.</extracomment>
        <translation>Schild</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Over the middle of the field while the game is paused, 24 pt bold, 585 px wide.</extracomment>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>P, Pause or Space to play on</source>
        <extracomment>Under &quot;Paused&quot;, 12 pt, 585 px wide: the keys that end the pause.</extracomment>
        <translation>P, Pause of Spatie om verder te spelen</translation>
    </message>
    <message>
        <source>Playing field</source>
        <extracomment>What a screen reader calls the game window&apos;s playing field.</extracomment>
        <translation>Speelveld</translation>
    </message>
    <message>
        <source>Left and Right arrows steer both paddles; Space serves the ball.</source>
        <extracomment>What a screen reader says of the playing field: the keys of the game.</extracomment>
        <translation>De pijltjestoetsen links en rechts sturen beide batjes, de spatiebalk serveert de bal.</translation>
    </message>
    <message>
        <source>Power up caught: %1</source>
        <extracomment>What a screen reader says once the bottom paddle has caught the power-up (%1: &quot;Extra Life&quot;, &quot;Large Paddle&quot; or &quot;Shield&quot;).</extracomment>
        <translation>Power-up gevangen: %1</translation>
    </message>
    <message>
        <source>Power up falling: %1</source>
        <extracomment>What a screen reader says while the power-up falls (%1: its name).</extracomment>
        <translation>Power-up valt: %1</translation>
    </message>
    <message>
        <source>Power up on the black brick: %1</source>
        <extracomment>What a screen reader says of the power-up waiting on the black brick (%1: its name).</extracomment>
        <translation>Power-up op het zwarte blok: %1</translation>
    </message>
    <message>
        <source>Crumbleton Game</source>
        <extracomment>What a screen reader calls the game&apos;s window (the title stays the game&apos;s name).</extracomment>
        <translation>Crumbleton – spel</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <extracomment>The game window&apos;s second menu, after &quot;File&quot;: pause, full screen and the bricks&apos; marks. The &amp; marks the access key (Alt+letter).</extracomment>
        <translation>Be&amp;eld</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <extracomment>&quot;View&quot; menu entry: pauses the game, or plays on. The &amp; marks the access key.</extracomment>
        <translation>&amp;Pauze</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <extracomment>&quot;View&quot; menu entry: the game window fills the screen, or is a window again. The &amp; marks the access key.</extracomment>
        <translation>&amp;Volledig scherm</translation>
    </message>
    <message>
        <source>&amp;Brick Strength Marks</source>
        <extracomment>&quot;View&quot; menu entry, checkable: draws on every brick as many marks as the strikes it still takes, for players who cannot tell its colours apart. The &amp; marks the access key.</extracomment>
        <translation>Sterkte van de &amp;blokken tonen</translation>
    </message>
</context>
<context>
    <name>InstructionsWindow</name>
    <message>
        <source>Crumbleton</source>
        <extracomment>The instructions&apos; window title: the game&apos;s name.</extracomment>
        <translation>Crumbleton</translation>
    </message>
    <message>
        <source>How To Play:</source>
        <extracomment>Heading, 129 x 25 px, 13.5 pt underlined.</extracomment>
        <translation>Zo speel je:</translation>
    </message>
    <message>
        <source>The goal of Crumbleton is to destroy all the bricks without losing any lives.</source>
        <extracomment>Text, 217 x 57 px at 12 pt: three short lines.</extracomment>
        <translation>Het doel van Crumbleton is alle stenen te vernietigen zonder levens te verliezen.</translation>
    </message>
    <message>
        <source>In this version of crumbleton you must control two paddles using the left and right arrow keys</source>
        <extracomment>Text above a picture of the arrow keys, 273 x 57 px at 12 pt: three lines. The game&apos;s two paddles, one at the bottom and one at the top, move together.</extracomment>
        <translation>In deze versie van Crumbleton bestuur je twee batjes met de pijltjestoetsen links en rechts.</translation>
    </message>
    <message>
        <source>Every time the game starts or is reset a power up is randomly chosen and will spawn in the middle of the playing field. Use these power ups to help you destroy the bricks.</source>
        <extracomment>Text above the legend of the power-ups, 249 x 105 px at 12 pt: five lines.</extracomment>
        <translation>Telkens als het spel begint of opnieuw start, wordt willekeurig een power-up gekozen die midden op het speelveld verschijnt. Gebruik de power-ups om de stenen te vernietigen.</translation>
    </message>
    <message>
        <source>You lose lives when the ball goes out of bounds, which is below the bottom paddle or above the top paddle. </source>
        <extracomment>Text above a picture of the ball leaving the field, 249 x 65 px at 12 pt: three lines. The trailing blank is the original&apos;s; a translation needs none.</extracomment>
        <translation>Je verliest een leven als de bal buiten het veld gaat: onder het onderste of boven het bovenste batje.</translation>
    </message>
    <message>
        <source>Power Ups</source>
        <extracomment>Title of the legend of the three power-ups, 105 x 25 px, 12 pt bold, centred.</extracomment>
        <translation>Power-ups</translation>
    </message>
    <message>
        <source> Extra Life</source>
        <extracomment>Legend, beside a compact disc, 81 x 25 px, 12 pt bold: the power-up that gives one more life. The leading blank is the original&apos;s; a translation needs none.</extracomment>
        <translation>Extra leven</translation>
    </message>
    <message>
        <source>Large Paddle</source>
        <extracomment>Legend, beside a banana, 97 x 25 px, 12 pt bold: the power-up that widens both paddles.</extracomment>
        <translation>Groot batje</translation>
    </message>
    <message>
        <source>Shield</source>
        <extracomment>Legend, beside a burning match, 65 x 17 px, 12 pt bold: the power-up that puts a bar behind each paddle.</extracomment>
        <translation>Schild</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Button, 121 x 49 px, 12 pt bold: back to the start menu.</extracomment>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Crumbleton Instructions</source>
        <extracomment>What a screen reader calls the instructions&apos; window (the title stays the game&apos;s name).</extracomment>
        <translation>Crumbleton – uitleg</translation>
    </message>
    <message>
        <source>The left and right arrow keys</source>
        <extracomment>What a screen reader says of the picture beside the text on the paddles.</extracomment>
        <translation>De pijltjestoetsen links en rechts</translation>
    </message>
    <message>
        <source>The ball leaving the field past the bottom paddle, an arrow pointing down at it</source>
        <extracomment>What a screen reader says of the picture beside the text on losing lives.</extracomment>
        <translation>De bal verlaat het veld onder het onderste batje, een pijl wijst ernaar</translation>
    </message>
    <message>
        <source>A compact disc</source>
        <extracomment>What a screen reader says of the legend&apos;s picture of the extra life.</extracomment>
        <translation>Een cd</translation>
    </message>
    <message>
        <source>A banana</source>
        <extracomment>What a screen reader says of the legend&apos;s picture of the large paddle.</extracomment>
        <translation>Een banaan</translation>
    </message>
    <message>
        <source>A burning match</source>
        <extracomment>What a screen reader says of the legend&apos;s picture of the shield.</extracomment>
        <translation>Een brandende lucifer</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source> Game Over!!</source>
        <extracomment>Text of the message box when the last life is lost. Leading blank and &quot;!!&quot; are the original&apos;s; write it as your language would.</extracomment>
        <translation>Spel voorbij!</translation>
    </message>
    <message>
        <source> You Lose!</source>
        <extracomment>Title of the message box when the last life is lost.</extracomment>
        <translation>Verloren!</translation>
    </message>
    <message>
        <source> congratulations, You Win!!</source>
        <extracomment>Text of the message box when every brick is cleared. The lower-case start, the leading blank and &quot;!!&quot; are the original&apos;s; write it as your language would.</extracomment>
        <translation>Gefeliciteerd, je hebt gewonnen!</translation>
    </message>
    <message>
        <source> Winner</source>
        <extracomment>Title of the message box when every brick is cleared.</extracomment>
        <translation>Gewonnen</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Crumbletons!</source>
        <extracomment>The start menu&apos;s window title: the game&apos;s name.</extracomment>
        <translation>Crumbletons!</translation>
    </message>
    <message>
        <source>Crumbletons</source>
        <extracomment>The start menu&apos;s big title, 281 x 57 px at 33 pt: the game&apos;s name.</extracomment>
        <translation>Crumbletons</translation>
    </message>
    <message>
        <source>Start Game!</source>
        <extracomment>Button, 169 x 41 px, 13.5 pt bold: opens the game.</extracomment>
        <translation>Spel starten</translation>
    </message>
    <message>
        <source>Instructions</source>
        <extracomment>Button, 153 x 33 px, 12 pt bold: opens the instructions.</extracomment>
        <translation>Uitleg</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Button, 137 x 33 px, 12 pt bold, and the title of the frame it reveals (129 px wide, 12 pt bold underlined) around the &quot;Colours&quot; button.</extracomment>
        <translation>Opties</translation>
    </message>
    <message>
        <source>End Game</source>
        <extracomment>Button, 105 x 25 px, 9.75 pt bold: ends the program.</extracomment>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Colours</source>
        <extracomment>Button in the options frame, 105 x 33 px, 12 pt bold: opens the colour options.</extracomment>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Crumbleton Start Menu</source>
        <extracomment>What a screen reader calls the start menu&apos;s window (the title stays the game&apos;s name).</extracomment>
        <translation>Crumbleton – startmenu</translation>
    </message>
</context>
</TS>
