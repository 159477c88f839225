#include "pages/ServerInformationPage.h"

#include "config/ConfigText.h"
#include "controls/TLMDEdit.h"
#include "controls/TLMDListComboBox.h"
#include "controls/TLMDTextButton.h"

#include <QCheckBox>

namespace {

constexpr SettingRow leftRows[] = {
    {.include = "chkSvname",
     .label = "Server name:",
     .hint = "The name of your server, displayed in server browsers. (sv_hostname) you may use "
             "colors.",
     .labelName = "Label1",
     .edit = "edServernames",
     .text = "BrantholmHost",
     .prefix = "set sv_hostname \""},
    {.include = "chkMotd",
     .label = "Motd:",
     .hint = "The message of the day, displayed to players when they first connect. (scr_motd)",
     .labelName = "Label12",
     .edit = "edMotds",
     .text = "Welcome to Brantholm server.",
     .prefix = "set scr_motd \"",
     .editHint =
         "The message of the day, displayed to players when they first connect. (set scr_motd)"},
    {.include = "chkAdmin1",
     .included = false,
     .label = "Administrator:",
     .hint = "Declare the name of the server admin. (.ADMIN) or (.ADMIN1)",
     .labelName = "Label11",
     .edit = "edAdmin1s"},
    {.include = "chkMail1",
     .included = false,
     .label = "Email:",
     .hint = "Contact e-mail address of the server admin. (.EMAIL) or (.EMAIL1)",
     .labelName = "Label13",
     .edit = "edMail1s",
     .text = "@"},
    {.include = "chkIRC1",
     .included = false,
     .label = "IRC:",
     .hint = "Contact irc server/channel. (.IRC) or (.IRC1)",
     .labelName = "Label14",
     .edit = "edIRC1s"},
    {.include = "chkWebsite1",
     .included = false,
     .label = "Website:",
     .hint = "Website URL of clan/server host. (.WEBSITE) or (.WEBSITE1)",
     .labelName = "Label15",
     .edit = "edWebsite1s",
     .text = "http://"},
    // The page makes the location's combo box itself.
    {.include = "chkLocation",
     .included = false,
     .label = "Location:",
     .hint = "Where the server is hosted. (.LOCATION)",
     .labelName = "Label16"},
};

// Level with the left rows from the message of the day down to the web site.
constexpr SettingRow rightRows[] = {
    {.include = "chkTS",
     .included = false,
     .label = "Team Speak:",
     .hint = "clan/server team speak ip (.TS)",
     .labelName = "Label21",
     .edit = "edTSs",
     .skip = 1},
    {.include = "chkAdmin2",
     .included = false,
     .label = "Administrator 2:",
     .hint = "Declare the name of the second server admin. (.ADMIN2)",
     .labelName = "Label17",
     .edit = "edAdmin2s"},
    {.include = "chkMail2",
     .included = false,
     .label = "Email 2:",
     .hint = "Contact e-mail address of the second server admin. (.EMAIL2)",
     .labelName = "Label18",
     .edit = "edMail2s"},
    {.include = "chkIRC2",
     .included = false,
     .label = "IRC 2:",
     .hint = "Second contact irc server/channel. (.IRC2)",
     .labelName = "Label19",
     .edit = "edIRC2s"},
    {.include = "chkWebsite2",
     .included = false,
     .label = "Website 2:",
     .hint = "Second website URL of clan/server host. (.WEBSITE2)",
     .labelName = "Label20",
     .edit = "edWebsite2s"},
};

constexpr const char* locationHint = "Host location. (.Location)";

// In the order the list shows them; the doubled apostrophes are part of the names.
constexpr const char* locations[] = {"Afghanistan",
                                     "Albania",
                                     "Algeria",
                                     "Andorra",
                                     "Angola",
                                     "Anguilla",
                                     "Antartica",
                                     "Antigua and Barbuda",
                                     "Argentina",
                                     "Armenia",
                                     "Aruba",
                                     "Australia",
                                     "Austria",
                                     "Azerbaijan",
                                     "Bahamas",
                                     "Bahrain",
                                     "Bangladesh",
                                     "Barbados",
                                     "Belarus",
                                     "Belgium",
                                     "Belize",
                                     "Benin",
                                     "Bermuda",
                                     "Bhutan",
                                     "Bolivia",
                                     "Bosnia and Herzegovina",
                                     "Botswana",
                                     "Bouvet Island",
                                     "Brazil",
                                     "British Indian Ocean Territory",
                                     "Brunei Darussalam",
                                     "Bulgaria",
                                     "Burkina Faso",
                                     "Burundi",
                                     "Cambodia",
                                     "Cameroon",
                                     "Canada",
                                     "Cape Verde",
                                     "Cayman Islands",
                                     "Central African Republic",
                                     "Chad",
                                     "Chile",
                                     "China",
                                     "Christmas Island",
                                     "Cocos (Keeling) Islands",
                                     "Colombia",
                                     "Comoros",
                                     "Congo",
                                     "Cook Islands",
                                     "Costa Rica",
                                     "Cote D''Ivoire",
                                     "Croatia",
                                     "Cuba",
                                     "Cyprus",
                                     "Czech Republic",
                                     "Denmark",
                                     "Djibouti",
                                     "Dominica",
                                     "Dominican Republic",
                                     "East Timor",
                                     "Ecuador",
                                     "Egypt",
                                     "El Salvador",
                                     "Equatorial Guinea",
                                     "Estonia",
                                     "Ethiopia",
                                     "Faeroe Islands",
                                     "Falkland Islands (Malvinas)",
                                     "Fiji",
                                     "Finland",
                                     "France",
                                     "French Guiana",
                                     "French Polynesia",
                                     "French Southern Territories",
                                     "Gabon",
                                     "Gambia",
                                     "Georgia",
                                     "Germany",
                                     "Ghana",
                                     "Gibraltar",
                                     "Greece",
                                     "Greenland",
                                     "Grenada",
                                     "Guadeloupe",
                                     "Guatemala",
                                     "Guernsey, C.I.",
                                     "Guinea",
                                     "Guinea-Bissau",
                                     "Guyana",
                                     "Haiti",
                                     "Heard and McDonald Islands",
                                     "Honduras",
                                     "Hong Kong",
                                     "Hungary",
                                     "Iceland",
                                     "India",
                                     "Indonesia",
                                     "Iran (Islamic Republic of)",
                                     "Iraq",
                                     "Ireland",
                                     "Isle of Man",
                                     "Israel",
                                     "Italy",
                                     "Jamaica",
                                     "Japan",
                                     "Jersey, C.I.",
                                     "Jordan",
                                     "Kazakhstan",
                                     "Kenya",
                                     "Kiribati",
                                     "Korea, Dem. People''s Rep of",
                                     "Korea, Republic of",
                                     "Kuwait",
                                     "Kyrgyzstan",
                                     "Lao Peoples Democratic Republi",
                                     "Latvia",
                                     "Lebanon",
                                     "Lesotho",
                                     "Liberia",
                                     "Libyan Arab Jamahiriya",
                                     "Liechtenstein",
                                     "Lithuania",
                                     "Luxembourg",
                                     "Macau",
                                     "Macedonia, FYROM",
                                     "Madagascar",
                                     "Malawi",
                                     "Malaysia",
                                     "Maldives",
                                     "Mali",
                                     "Malta",
                                     "Marshall Islands",
                                     "Martinique",
                                     "Mauritania",
                                     "Mauritius",
                                     "Mexico",
                                     "Micronesia, Fed. States of",
                                     "Moldova, Republic of",
                                     "Monaco",
                                     "Mongolia",
                                     "Montserrat",
                                     "Morocco",
                                     "Mozambique",
                                     "Myanmar",
                                     "Namibia",
                                     "Nauru",
                                     "Nepal",
                                     "Netherland Antilles",
                                     "Netherlands",
                                     "Neutral Zone (Saudi/Iraq)",
                                     "New Caledonia",
                                     "New Zealand",
                                     "Nicaragua",
                                     "Niger",
                                     "Nigeria",
                                     "Niue",
                                     "Norfolk Island",
                                     "Northern Mariana Islands",
                                     "Norway",
                                     "Oman",
                                     "Pakistan",
                                     "Palau",
                                     "Panama",
                                     "Panama Canal Zone",
                                     "Papua New Guinea",
                                     "Paraguay",
                                     "Peru",
                                     "Philippines",
                                     "Pitcairn",
                                     "Poland",
                                     "Portugal",
                                     "Puerto Rico",
                                     "Qatar",
                                     "Reunion",
                                     "Romania",
                                     "Russian Federation",
                                     "Rwanda",
                                     "Saint Kitts and Nevis",
                                     "Saint Lucia",
                                     "Samoa",
                                     "San Marino",
                                     "Sao Tome and Principe",
                                     "Saudi Arabia",
                                     "Senegal",
                                     "Serbia and Montenegro",
                                     "Seychelles",
                                     "Sierra Leone",
                                     "Singapore",
                                     "Slovakia",
                                     "Slovenia",
                                     "Solomon Islands",
                                     "Somalia",
                                     "South Africa",
                                     "Spain",
                                     "Sri Lanka",
                                     "St. Helena",
                                     "St. Pierre and Miquelon",
                                     "St. Vincent and the Grenadines",
                                     "Sudan",
                                     "Suriname",
                                     "Svalbard and Jan Mayen Islands",
                                     "Swaziland",
                                     "Sweden",
                                     "Switzerland",
                                     "Syrian Arab Republic",
                                     "Taiwan",
                                     "Tajikistan",
                                     "Tanzania, United Republic of",
                                     "Thailand",
                                     "Togo",
                                     "Tokelau",
                                     "Tonga",
                                     "Trinidad and Tobago",
                                     "Tunisia",
                                     "Turkey",
                                     "Turkmenistan",
                                     "Turks and Caicos Islands",
                                     "Tuvalu",
                                     "U.A.E.",
                                     "U.S.Minor Outlying Islands",
                                     "Uganda",
                                     "Ukraine",
                                     "United Kingdom",
                                     "United States",
                                     "Uruguay",
                                     "Uzbekistan",
                                     "Vanuatu",
                                     "Vatican City State",
                                     "Venezuela",
                                     "Viet Nam",
                                     "Virgin Islands (British)",
                                     "Wallis and Futuna Islands",
                                     "Western Sahara",
                                     "Yemen, Republic of",
                                     "Zaire",
                                     "Zambia",
                                     "Zimbabwe"};

constexpr int kColumnWidth = 380;
constexpr int kRowsTop = 50;
constexpr int kPitch = 26;

} // namespace

ServerInformationPage::ServerInformationPage(QWidget* parent)
    : SettingsPage("tabMain", "Server Information", "Server Information", parent, "Label2") {
    RowColumn left(
        this, {.x = 0, .top = kRowsTop, .width = kColumnWidth, .labelWidth = 90, .pitch = kPitch});
    RowColumn right(this, {.x = kColumnWidth + kDivider,
                           .top = kRowsTop,
                           .width = kWidth - kColumnWidth - kDivider,
                           .labelWidth = 96,
                           .pitch = kPitch});
    const QList<RowControls> l = left.add(leftRows);
    const QList<RowControls> r = right.add(rightRows);
    m_serverName = l[0];
    m_motd = l[1];
    m_admin = {l[2], r[1]};
    m_mail = {l[3], r[2]};
    m_irc = {l[4], r[3]};
    m_website = {l[5], r[4]};
    m_location = l[6].include;
    m_teamSpeak = r[0];
    addColumnDivider(kColumnWidth);

    lbLocation = new TLMDListComboBox(this);
    lbLocation->setObjectName(QStringLiteral("lbLocation"));
    lbLocation->setAccessibleName(QString::fromLatin1(leftRows[6].label));
    lbLocation->setAccessibleDescription(QString::fromLatin1(locationHint));
    lbLocation->setStatusTip(QString::fromLatin1(locationHint));
    for (const char* location : locations)
        lbLocation->addItem(QString::fromLatin1(location));
    // Empty at start, with no item picked.
    lbLocation->setCurrentIndex(-1);
    lbLocation->setEditText(QString());
    lbLocation->setGeometry(l[6].valueArea);
    addStrip(l[6].valueArea.adjusted(-2, -2, 2, 2));

    // Just above the server-name edit.
    auto* colours = new TLMDTextButton(QStringLiteral("Click here to test colors"), this);
    colours->setObjectName(QStringLiteral("LMDTextButton29"));
    const QRect name = l[0].valueArea;
    colours->setGeometry(name.x(), kTitleHeight + 4, 170, kRowsTop - kTitleHeight - 6);
    connect(colours, &TLMDTextButton::clicked, this, &ServerInformationPage::colourTestRequested);

    addCornerPicture(":/pic-network.png");

    setFocusOrder({"chkSvname",   "chkMotd",     "chkAdmin1",       "chkMail1",      "chkIRC1",
                   "chkWebsite1", "chkLocation", "chkAdmin2",       "chkMail2",      "chkIRC2",
                   "chkWebsite2", "chkTS",       "LMDTextButton29", "edServernames", "edWebsite1s",
                   "edIRC1s",     "edMail1s",    "edAdmin1s",       "edMotds",       "edAdmin2s",
                   "edMail2s",    "edIRC2s",     "edTSs",           "edWebsite2s",   "lbLocation"});
}

// The plain key names the first contact only while the second is left out; as soon as the
// second is included the first is numbered 1. The second is always numbered 2.
void ServerInformationPage::writeContact(ConfigText& text, const Contact& contact,
                                         const ContactKeys& keys) {
    const bool second = contact.second.include->isChecked();
    if (contact.first.include->isChecked())
        text.infoLine(second ? keys.numbered : keys.alone, contact.first.edit->text());
    if (second)
        text.infoLine(keys.second, contact.second.edit->text());
}

void ServerInformationPage::writeSection(Section, ConfigText& text) const {
    m_serverName.write(text);
    m_motd.write(text);
    writeContact(text, m_admin, {".Admin", ".Admin1", ".Admin2"});
    writeContact(text, m_mail, {".Email", ".Email1", ".Email2"});
    writeContact(text, m_irc, {".Irc", ".Irc1", ".Irc2"});
    writeContact(text, m_website, {".Website", ".Website1", ".Website2"});
    if (m_location->isChecked())
        text.infoLine(".Location", lbLocation->text());
    // Team Speak closes the section, although its row stands near the top of the page.
    if (m_teamSpeak.include->isChecked())
        text.infoLine(".TS", m_teamSpeak.edit->text());
}
