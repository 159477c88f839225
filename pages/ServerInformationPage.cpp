#include "pages/ServerInformationPage.h"

#include "config/ConfigText.h"
#include "controls/TLMDEdit.h"
#include "controls/TLMDListComboBox.h"
#include "controls/TLMDTextButton.h"

#include <QCheckBox>

namespace {

// In the order the section writes them. The four contacts come in pairs: a first one in the left
// column and a second one level with it in the right column.
constexpr SettingRow information[] = {
    {.include = "chkSvname",
     .label = "Server name:",
     .labelName = "Label1",
     .hint = "The name of your server, displayed in server browsers. (sv_hostname) you may use "
             "colors.",
     .control = Control::Edit,
     .name = "edServernames",
     .kind = ValueKind::Text,
     .variable = "sv_hostname",
     .text = "BrantholmHost",
     .at = {0, 0},
     .focus = {0, 13}},
    {.include = "chkMotd",
     .label = "Motd:",
     .labelName = "Label12",
     .hint = "The message of the day, displayed to players when they first connect. (scr_motd)",
     .valueHint =
         "The message of the day, displayed to players when they first connect. (set scr_motd)",
     .control = Control::Edit,
     .name = "edMotds",
     .kind = ValueKind::Text,
     .variable = "scr_motd",
     .text = "Welcome to Brantholm server.",
     .at = {0, 1},
     .focus = {1, 18}},
    {.include = "chkAdmin1",
     .included = false,
     .label = "Administrator:",
     .labelName = "Label11",
     .hint = "Declare the name of the server admin. (.ADMIN) or (.ADMIN1)",
     .control = Control::Edit,
     .name = "edAdmin1s",
     .kind = ValueKind::Text,
     .form = LineForm::Contact,
     .variable = ".Admin",
     .at = {0, 2},
     .focus = {2, 17}},
    {.include = "chkAdmin2",
     .included = false,
     .label = "Administrator 2:",
     .labelName = "Label17",
     .hint = "Declare the name of the second server admin. (.ADMIN2)",
     .control = Control::Edit,
     .name = "edAdmin2s",
     .kind = ValueKind::Text,
     .form = LineForm::Contact,
     .variable = ".Admin",
     .at = {1, 2},
     .focus = {7, 19}},
    {.include = "chkMail1",
     .included = false,
     .label = "Email:",
     .labelName = "Label13",
     .hint = "Contact e-mail address of the server admin. (.EMAIL) or (.EMAIL1)",
     .control = Control::Edit,
     .name = "edMail1s",
     .kind = ValueKind::Text,
     .form = LineForm::Contact,
     .variable = ".Email",
     .text = "@",
     .at = {0, 3},
     .focus = {3, 16}},
    {.include = "chkMail2",
     .included = false,
     .label = "Email 2:",
     .labelName = "Label18",
     .hint = "Contact e-mail address of the second server admin. (.EMAIL2)",
     .control = Control::Edit,
     .name = "edMail2s",
     .kind = ValueKind::Text,
     .form = LineForm::Contact,
     .variable = ".Email",
     .at = {1, 3},
     .focus = {8, 20}},
    {.include = "chkIRC1",
     .included = false,
     .label = "IRC:",
     .labelName = "Label14",
     .hint = "Contact irc server/channel. (.IRC) or (.IRC1)",
     .control = Control::Edit,
     .name = "edIRC1s",
     .kind = ValueKind::Text,
     .form = LineForm::Contact,
     .variable = ".Irc",
     .at = {0, 4},
     .focus = {4, 15}},
    {.include = "chkIRC2",
     .included = false,
     .label = "IRC 2:",
     .labelName = "Label19",
     .hint = "Second contact irc server/channel. (.IRC2)",
     .control = Control::Edit,
     .name = "edIRC2s",
     .kind = ValueKind::Text,
     .form = LineForm::Contact,
     .variable = ".Irc",
     .at = {1, 4},
     .focus = {9, 21}},
    {.include = "chkWebsite1",
     .included = false,
     .label = "Website:",
     .labelName = "Label15",
     .hint = "Website URL of clan/server host. (.WEBSITE) or (.WEBSITE1)",
     .control = Control::Edit,
     .name = "edWebsite1s",
     .kind = ValueKind::Text,
     .form = LineForm::Contact,
     .variable = ".Website",
     .text = "http://",
     .at = {0, 5},
     .focus = {5, 14}},
    {.include = "chkWebsite2",
     .included = false,
     .label = "Website 2:",
     .labelName = "Label20",
     .hint = "Second website URL of clan/server host. (.WEBSITE2)",
     .control = Control::Edit,
     .name = "edWebsite2s",
     .kind = ValueKind::Text,
     .form = LineForm::Contact,
     .variable = ".Website",
     .at = {1, 5},
     .focus = {10, 23}},
    {.include = "chkLocation",
     .included = false,
     .label = "Location:",
     .labelName = "Label16",
     .hint = "Where the server is hosted. (.LOCATION)",
     .valueHint = "Host location. (.Location)",
     .control = Control::List,
     .name = "lbLocation",
     .kind = ValueKind::Text,
     .form = LineForm::Info,
     .variable = ".Location",
     .at = {0, 6},
     .focus = {6, 24}},
    // Team Speak closes the section, although its row stands near the top of the page.
    {.include = "chkTS",
     .included = false,
     .label = "Team Speak:",
     .labelName = "Label21",
     .hint = "clan/server team speak ip (.TS)",
     .control = Control::Edit,
     .name = "edTSs",
     .kind = ValueKind::Text,
     .form = LineForm::Info,
     .variable = ".TS",
     .at = {1, 1},
     .focus = {11, 22}},
};

// "Click here to test colors" stands between the include boxes and the edits.
constexpr int colourTestFocus[] = {12};
static_assert(wellDeclared(information, colourTestFocus));

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

std::span<const SettingRow> ServerInformationPage::settings() {
    return information;
}

ServerInformationPage::ServerInformationPage(QWidget* parent)
    : SettingsPage("tabMain", "Server Information", "Server Information",
                   Section::ServerInformation, information, parent, "Label2") {
    RowColumn left(
        this, {.x = 0, .top = kRowsTop, .width = kColumnWidth, .labelWidth = 90, .pitch = kPitch});
    RowColumn right(this, {.x = kColumnWidth + kDivider,
                           .top = kRowsTop,
                           .width = kWidth - kColumnWidth - kDivider,
                           .labelWidth = 96,
                           .pitch = kPitch});
    left.add(information, 0);
    right.add(information, 1);
    addColumnDivider(kColumnWidth);

    TLMDListComboBox* location = rowOf(".Location").list;
    for (const char* name : locations)
        location->addItem(QString::fromLatin1(name));
    // Empty at start, with no item picked.
    location->setCurrentIndex(-1);
    location->setEditText(QString());

    // Just above the server-name edit.
    auto* colours = new TLMDTextButton(QStringLiteral("Click here to test colors"), this);
    colours->setObjectName(QStringLiteral("LMDTextButton29"));
    const QRect name = rowOf("sv_hostname").valueArea;
    colours->setGeometry(name.x(), kTitleHeight + 4, 170, kRowsTop - kTitleHeight - 6);
    connect(colours, &TLMDTextButton::clicked, this, &ServerInformationPage::colourTestRequested);
    setFocusPlace(colourTestFocus[0], colours);

    addCornerPicture(":/pic-network.png");
    finishRows();
}

void ServerInformationPage::writeSection(Section, ConfigText& text) const {
    const QList<RowControls>& all = rows();
    for (qsizetype i = 0; i < all.size(); ++i) {
        const RowControls& row = all[i];
        if (row.row->form != LineForm::Contact) {
            row.write(text);
            continue;
        }
        // A contact pair: the first and the second row of one key, one after the other.
        if (i + 1 < all.size() && declaration::same(all[i + 1].row->variable, row.row->variable))
            writeContact(text, row, all[i + 1]);
    }
}

// The plain key names the first contact only while the second is left out; as soon as the
// second is included the first is numbered 1. The second is always numbered 2.
void ServerInformationPage::writeContact(ConfigText& text, const RowControls& first,
                                         const RowControls& second) {
    const QString key = QString::fromLatin1(first.row->variable);
    if (first.isIncluded())
        text.infoLine(second.isIncluded() ? key + QLatin1Char('1') : key, first.text());
    if (second.isIncluded())
        text.infoLine(key + QLatin1Char('2'), second.text());
}

void ServerInformationPage::take(Opening& opening) {
    SettingsPage::take(opening);
    const QList<RowControls>& all = rows();
    for (qsizetype i = 0; i + 1 < all.size(); ++i) {
        const RowControls& first = all[i];
        const RowControls& second = all[i + 1];
        if (first.row->form != LineForm::Contact ||
            !declaration::same(first.row->variable, second.row->variable))
            continue;
        // Only keys the pair writes back as they stand: .Key alone, or .Key1 with .Key2, or .Key2.
        const QString key = QString::fromLatin1(first.row->variable);
        auto info = [&opening](const QString& name) {
            Opening::Setting* found = opening.find(name);
            return found && found->verb == ServerScript::Verb::Sets ? found : nullptr;
        };
        Opening::Setting* numbered = info(key + QLatin1Char('1'));
        Opening::Setting* alone = info(key);
        if (Opening::Setting* other = info(key + QLatin1Char('2'))) {
            other->taken = second.take(other->value);
            if (numbered)
                numbered->taken = first.take(numbered->value);
        } else if (alone) {
            alone->taken = first.take(alone->value);
        }
    }
}
