#include "generator/bank_layouts.h"

namespace tarvolo {

// Each bank's header as its exports write it; the roles name the columns the
// generator fills, every other column stays empty.
const std::vector<BankLayout> kBankLayouts = {
    {.name = "servis24",
     .separators = ";",
     .quoting = Quoting::kNone,
     .encodings = "w",
     .dateForm = "yyyy/mm/dd",
     .decimalMark = ',',
     .grouping = ' ',
     .credit = "",
     .debit = "",
     .preamble = "",
     .trailer = "",
     .header =
         "Číslo položky|Datum splatnosti|Částka|Protiúčet|Název protiúčtu|Variabilní symbol|Měna|"
         "Datum zaúčtování|Konstantní symbol|Specifický symbol|Zpráva pro příjemce|Poznámka",
     .roles = "Číslo položky=id|Datum splatnosti=date|Částka=amount|Protiúčet=counter0|"
              "Název protiúčtu=name|Variabilní symbol=vs|Měna=cur|Datum zaúčtování=date|"
              "Konstantní symbol=ks|Specifický symbol=ss|Zpráva pro příjemce=msg"},
    {.name = "business24",
     .separators = ";",
     .quoting = Quoting::kNone,
     .encodings = "w",
     .dateForm = "yyyy/mm/dd",
     .decimalMark = ',',
     .credit = "Incoming",
     .debit = "Outgoing",
     .preamble = "Prefix;000000\nAccount number;2000145399\nStart date of the period;{FROM}\n"
                 "End date of the period;{TO}\nOpening balance;{OPEN}\nFinal balance;{CLOSE}\n"
                 "Debet (-);-{DEBIT}\nCredit;{CREDIT}\n\n",
     .trailer = "",
     .header =
         "Payer's/payee's account prefix|Payer's/payee's account number|Payer's/payee's bank code|"
         "Amount (Transaction)|Incoming/outgoing (credit-debit item)|Accounting/non-accounting "
         "item|"
         "Constant symbol|Specific symbol|Item|Counteraccount name|Bank reference|Message for "
         "payee|"
         "Message for payer|Value date|Processing date|Variable symbol 1|Variable symbol 2|"
         "Payment reference|Reason for non-execution",
     .roles =
         "Payer's/payee's account prefix=cprefix|Payer's/payee's account number=cbare|"
         "Payer's/payee's bank code=bank|Amount (Transaction)=amount|"
         "Incoming/outgoing (credit-debit item)=dir|Accounting/non-accounting item='Accounting|"
         "Constant symbol=ks|Specific symbol=ss|Item='Domestic payment|Counteraccount name=name|"
         "Bank reference=id|Message for payee=msg|Value date=value|Processing date=date|"
         "Variable symbol 1=vs"},
    {.name = "csob",
     .separators = ";",
     .quoting = Quoting::kNone,
     .encodings = "w",
     .dateForm = "dd.mm.yyyy",
     .decimalMark = ',',
     .credit = "",
     .debit = "",
     .preamble = "Pohyby na účtu na účtu 2000145399/0300 ze dne 01.10.2014 10:11:12;;;;;;;;;;;;;\n"
                 ";;;;;;;;;;;;;",
     .trailer = "",
     .header = "číslo účtu|datum zaúčtování|částka|měna|zůstatek|číslo účtu protiúčtu|"
               "kód banky protiúčtu|název účtu protiúčtu|konstantní symbol|variabilní symbol|"
               "specifický symbol|označení operace|ID transakce|poznámka",
     .roles = "číslo účtu='2000145399/0300|datum "
              "zaúčtování=date|částka=amount|měna=cur|zůstatek=balance|"
              "číslo účtu protiúčtu=cnum|kód banky protiúčtu=bank|název účtu protiúčtu=name|"
              "konstantní symbol=ks|variabilní symbol=vs|specifický symbol=ss|"
              "označení operace='Platba převodem|ID transakce=id|poznámka=msg"},
    {.name = "fio",
     .separators = ";",
     .quoting = Quoting::kAll,
     .encodings = "bu",
     .dateForm = "dd.mm.yyyy",
     .decimalMark = ',',
     .wholeWithoutDecimals = true,
     .credit = "",
     .debit = "",
     .preamble =
         "accountId;2000145399\nbankId;2010\ncurrency;CZK\niban;CZ7020100000002000145399\n"
         "bic;FIOBCZPPXXX\nopeningBalance;{OPEN_}\nclosingBalance;{CLOSE_}\ndateStart;{FROM}\n"
         "dateEnd;{TO}\nidFrom;1\nidTo;2\n",
     .trailer = "",
     .header =
         "ID operace|Datum|Objem|Měna|Protiúčet|Název protiúčtu|Kód banky|Název banky|KS|VS|SS|"
         "Poznámka|Zpráva pro příjemce|Typ|Provedl|Upřesnění|Poznámka|BIC|ID pokynu",
     .roles = "ID operace=id|Datum=date|Objem=amount|Měna=cur|Protiúčet=cnum|Název protiúčtu=name|"
              "Kód banky=bank|KS=ks|VS=vs|SS=ss|Zpráva pro příjemce=msg|Typ='Bezhotovostní platba"},
    // Fio's movements on all of a customer's accounts: each row's own
    // account with Fio's code, in a column no export documents.
    {.name = "fio-all-accounts",
     .separators = ";",
     .quoting = Quoting::kAll,
     .encodings = "b",
     .dateForm = "dd.mm.yyyy",
     .decimalMark = ',',
     .wholeWithoutDecimals = true,
     .credit = "",
     .debit = "",
     .preamble = "",
     .trailer = "",
     .header = "ID operace|Datum|Objem|Měna|Účet|Protiúčet|Název protiúčtu|Kód banky|KS|VS|SS|"
               "Zpráva pro příjemce|Typ",
     .roles = "ID operace=id|Datum=date|Objem=amount|Měna=cur|Účet=own/2010|Protiúčet=cnum|"
              "Název protiúčtu=name|Kód banky=bank|KS=ks|VS=vs|SS=ss|Zpráva pro příjemce=msg|"
              "Typ='Bezhotovostní platba"},
    {.name = "kb",
     .separators = ";",
     .quoting = Quoting::kNone,
     .encodings = "w",
     .dateForm = "dd.mm.yyyy",
     .decimalMark = ',',
     .plusSign = true,
     .credit = "Příchozí úhrada",
     .debit = "Odchozí úhrada",
     .preamble =
         "Datum vytvoření souboru;01.10.2014\n\nČíslo účtu;2000145399/0100\n"
         "IBAN;CZ0901000000002000145399\nNázev účtu;Novák a syn s.r.o.\nMěna účtu;CZK\n"
         "Výpis za období;{FROM} - {TO}\n\nPočáteční zůstatek;{OPEN}\n"
         "Celkem odepsáno (-);-{DEBIT}\nCelkem připsáno (+);{CREDIT}\nKonečný zůstatek;{CLOSE}\n"
         "Počet položek;{COUNT}\n\n\n\n",
     .trailer = "",
     .header =
         "Datum splatnosti|Datum odepsání z\xA0jiné banky|Protiúčet a\xA0kód banky|Název protiúčtu|"
         "Částka|Originální částka|Originální měna|Kurz|VS|KS|SS|Identifikace transakce|"
         "Systémový popis|Popis příkazce|Popis pro\xA0příjemce|AV pole 1|AV pole 2|AV pole 3|"
         "AV pole 4",
     .roles = "Datum splatnosti=date|Protiúčet a\xA0kód banky=counter|Název "
              "protiúčtu=name|Částka=amount|"
              "Originální částka=amount|Originální měna='CZK|VS=vs|KS=ks|SS=ss|"
              "Identifikace transakce=id|Systémový popis=dir|Popis pro\xA0příjemce=msg"},
    {.name = "kb-business",
     .separators = ";",
     .quoting = Quoting::kNone,
     .encodings = "w",
     .dateForm = "dd.mm.yyyy",
     .decimalMark = ',',
     .grouping = ' ',
     .credit = "Prichozi uhrada",
     .debit = "Odchozi uhrada",
     .preamble = "",
     .trailer = "",
     .header =
         "Datum vytvoreni souboru|Cislo uctu|Mena uctu|IBAN|Nazev uctu|Vypis ze dne|Cislo vypisu|"
         "Predchozi vypis ze dne|Pocet polozek|Pocatecni zustatek|Obrat debet|Obrat kredit|"
         "Konecny zustatek|Datum splatnosti|Datum odepsani JB|Protiucet|Kod banky protiuctu|"
         "Nazev protiuctu|Castka|VS|KS|SS|Identifikace transakce|Systemovy popis|Popis pro me|"
         "Popis pro prijemce|AV pole",
     .roles =
         "Datum vytvoreni souboru='01.10.2014|Cislo uctu=own|Mena uctu='CZK|"
         "Nazev uctu='Novák a syn|Vypis ze dne='30.09.2014|Cislo vypisu='9|"
         "Predchozi vypis ze dne='31.08.2014|Pocet polozek=count|Pocatecni zustatek=open|"
         "Obrat debet=debit|Obrat kredit=credit|Konecny zustatek=close|Datum splatnosti=date|"
         "Protiucet=cjoin|Kod banky protiuctu=bank|Nazev protiuctu=name|Castka=amount|VS=vs|KS=ks|"
         "SS=ss|Identifikace transakce=id|Systemovy popis=dir|Popis pro prijemce=msg"},
    {.name = "mbank",
     .separators = ";",
     .quoting = Quoting::kNone,
     .encodings = "w",
     .dateForm = "dd-mm-yyyy",
     .decimalMark = ',',
     .grouping = ' ',
     .credit = "PŘÍCHOZÍ PLATBA",
     .debit = "ODCHOZÍ PLATBA",
     .preamble = "mBank S.A., organizační složka;\n#Klient;\nNovák a syn s.r.o.;\n\n#Za "
                 "období:;{FROM};{TO};\n"
                 "#Měna účtu:;CZK;\n#Číslo účtu:;2000145399/6210;\n\n;;;;;;#Počáteční "
                 "zůstatek:;{OPEN} CZK;\n",
     .trailer = "\n;;;;;;#Konečný zůstatek:;{CLOSE} CZK;",
     .header = "#Datum uskutečnění transakce|#Datum zaúčtování transakce|#Popis transakce|"
               "#Zpráva pro příjemce|#Plátce/Příjemce|#Číslo účtu plátce/příjemce|#KS|#VS|#SS|"
               "#Částka transakce|#Účetní zůstatek po transakci|",
     .roles =
         "#Datum uskutečnění transakce=date|#Datum zaúčtování transakce=date|#Popis transakce=dir|"
         "#Zpráva pro příjemce=msg|#Plátce/Příjemce=name|#Číslo účtu plátce/příjemce=counter|"
         "#KS=ks|#VS=vs|#SS=ss|#Částka transakce=amount|#Účetní zůstatek po transakci=balance"},
    {.name = "moneta",
     .separators = ";",
     .quoting = Quoting::kAll,
     .encodings = "w",
     .dateForm = "dd.mm.yyyy",
     .decimalMark = ',',
     .credit = "Příchozí platba",
     .debit = "Odchozí platba",
     .preamble = "",
     .trailer = "",
     .header =
         "Číslo účtu|IBAN|Číslo protiúčtu|Banka protiúčtu|Název účtu příjemce|Splatnost|Odesláno|"
         "Částka|Měna|Variabilní Symbol|Specifický Symbol|Konstantní Symbol|Zpráva pro příjemce|"
         "Poznámka pro mě|Název kategorie|Typ transakce|Název trvalého příkazu|Popis platby|"
         "Popis platby 2|Bankovní reference",
     .roles =
         "Číslo účtu='2000145399|IBAN='CZ9206000000002000145399|Číslo protiúčtu=cnum|"
         "Banka protiúčtu=bank|Název účtu příjemce=name|Splatnost=date|Odesláno=date|"
         "Částka=amount|Měna=cur|Variabilní Symbol=vs|Specifický Symbol=ss|Konstantní Symbol=ks|"
         "Zpráva pro příjemce=msg|Typ transakce=dir|Bankovní reference=id"},
    {.name = "raiffeisen",
     .separators = ";",
     .quoting = Quoting::kNeeded,
     .encodings = "uw",
     .dateForm = "dd.mm.yyyy",
     .decimalMark = ',',
     .grouping = ' ',
     .credit = "Příchozí platba",
     .debit = "Platba",
     .preamble = "",
     .trailer = "",
     .header = "Datum provedení|Datum zaúčtování|Číslo účtu|Název účtu|Kategorie transakce|"
               "Číslo protiúčtu|Název protiúčtu|Typ transakce|Zpráva|Poznámka|VS|KS|SS|"
               "Zaúčtovaná částka|Měna účtu|Původní částka a měna|Původní částka a měna|Poplatky|"
               "Id transakce|Vlastní poznámka|Název obchodníka|Město",
     .roles =
         "Datum provedení=date|Datum zaúčtování=dtm|Číslo účtu='2000145399/5500|"
         "Název účtu='Novák a syn s.r.o.|Číslo protiúčtu=counter|Název protiúčtu=name|"
         "Typ transakce=dir|Zpráva=msg|VS=vs|KS=ks|SS=ss|Zaúčtovaná částka=amount|Měna účtu='CZK|"
         "Id transakce=id"},
    {.name = "raiffeisen-card",
     .separators = ";",
     .quoting = Quoting::kNone,
     .encodings = "w",
     .dateForm = "dd.mm.yyyy",
     .decimalMark = ',',
     .grouping = ' ',
     .credit = "Splátka",
     .debit = "Platba kartou",
     .preamble = "",
     .trailer = "",
     .header = "Číslo kreditní karty|Držitel karty|Datum transakce|Datum zúčtování|Typ transakce|"
               "Původní částka|Původní měna|Zaúčtovaná částka|Měna zaúčtování|Převodní kurs|"
               "Popis/Místo transakce|Vlastní poznámka|Název obchodníka|Město",
     .roles =
         "Číslo kreditní karty='5168 44** **** 1234|Držitel karty='Jan Novák|Datum transakce=date|"
         "Datum zúčtování=date|Typ transakce=dir|Původní částka=amount|Původní měna='CZK|"
         "Zaúčtovaná částka=amount|Měna zaúčtování='CZK|Popis/Místo transakce=msg"},
    {.name = "airbank",
     .separators = ";,",
     .quoting = Quoting::kAll,
     .encodings = "wu",
     .dateForm = "dd/mm/yyyy",
     .decimalMark = ',',
     .grouping = ' ',
     .feeSign = -1,
     .credit = "Příchozí",
     .debit = "Odchozí",
     .preamble = "",
     .trailer = "",
     .header =
         "Datum provedení|Směr úhrady|Typ úhrady|Kategorie plateb|Měna účtu|Částka v měně účtu|"
         "Poplatek v měně účtu|Původní měna úhrady|Původní částka úhrady|Název protistrany|"
         "Číslo účtu protistrany|Název účtu protistrany|Variabilní symbol|Konstantní symbol|"
         "Specifický symbol|Zdrojová obálka|Cílová obálka|Poznámka pro mne|Zpráva pro příjemce|"
         "Poznámka k úhradě|Název karty|Číslo karty|Držitel karty|Název zařízení|Obchodní místo|"
         "Směnný kurz|Odesílatel poslal|Poplatky jiných bank|Datum a čas zadání|Datum splatnosti|"
         "Datum schválení|Datum zaúčtování|Referenční číslo|Způsob zadání|Zadal|Zaúčtováno|"
         "Pojmenování příkazu|Název, adresa a stát protistrany|"
         "Název, adresa a stát banky protistrany|Typ poplatku|Účel úhrady|"
         "Zvláštní pokyny k úhradě|Související úhrady|Další identifikace úhrady|Způsob úhrady",
     .roles =
         "Datum provedení=date|Směr úhrady=dir|Typ úhrady='Úhrada|Měna účtu='CZK|"
         "Částka v měně účtu=amount|Poplatek v měně účtu=fee|Název protistrany=name|"
         "Číslo účtu protistrany=counter|Variabilní symbol=vs|Konstantní symbol=ks|"
         "Specifický symbol=ss|Zpráva pro příjemce=msg|Datum zaúčtování=date|Referenční číslo=id"},
    {.name = "unicredit",
     .separators = ";",
     .quoting = Quoting::kNone,
     .encodings = "w",
     .dateForm = "dd.mm.yyyy",
     .decimalMark = ',',
     .credit = "",
     .debit = "",
     .preamble =
         "Název účtu;Číslo účtu;Měna;Zůstatek\nNovák a syn s.r.o.;2000145399/2700;CZK;125 430,50",
     .trailer = "",
     .header =
         "Účet|Částka|Měna|Datum zaúčtování|Valuta|Banka|Název banky|Název banky|Číslo účtu|"
         "Název účtu|Adresa|Adresa|Adresa|Detaily transakce|Detaily transakce|Detaily transakce|"
         "Detaily transakce|Detaily transakce|Detaily transakce|Konstatní kód|Variabilní kód|"
         "Specifický kód|Platební titul|Reference",
     .roles =
         "Účet='2000145399|Částka=amount|Měna=cur|Datum zaúčtování=date|Valuta=value|Banka=bank|"
         "Číslo účtu=cnum|Název účtu=name|Detaily transakce=msg|Konstatní kód=ks|"
         "Variabilní kód=vs|Specifický kód=ss|Reference=id"},
    {.name = "revolut",
     .separators = ",",
     .quoting = Quoting::kNeeded,
     .encodings = "ub",
     .dateForm = "yyyy-mm-dd",
     .decimalMark = '.',
     .feeSign = 1,
     .credit = "",
     .debit = "",
     .booked = "COMPLETED",
     .pending = "PENDING|DECLINED|REVERTED",
     .preamble = "",
     .trailer = "",
     .header =
         "Date started (UTC)|Date completed (UTC)|ID|Type|State|Description|Reference|Payer|"
         "Card number|Card label|Card state|Orig currency|Orig amount|Payment currency|Amount|"
         "Total amount|Exchange rate|Fee|Fee currency|Balance|Account|Beneficiary account number|"
         "Beneficiary sort code or routing number|Beneficiary IBAN|Beneficiary BIC|MCC|"
         "Related transaction id|Spend program",
     .roles =
         "Date started (UTC)=dt|Date completed (UTC)=done|ID=id|Type='TRANSFER|State=state|"
         "Description=msg|Orig currency=cur|Orig amount=amount|Payment currency=cur|Amount=amount|"
         "Total amount=total|Fee=fee|Fee currency=cur|Balance=balance|Account=pocket|"
         "Beneficiary IBAN=iban"},
    {.name = "revolut-2022",
     .separators = ",",
     .quoting = Quoting::kNeeded,
     .encodings = "ub",
     .dateForm = "yyyy-mm-dd",
     .decimalMark = '.',
     .feeSign = -1,
     .credit = "",
     .debit = "",
     .preamble = "",
     .trailer = "",
     .header =
         "Date started (UTC)|Date completed (UTC)|Date started (Europe/Prague)|"
         "Date completed (Europe/Prague)|ID|Type|Description|Reference|Payer|Card number|"
         "Orig currency|Orig amount|Payment currency|Amount|Exchange rate|Fee|Fee currency|Balance|"
         "Account|Beneficiary account number|Beneficiary sort code or routing number|"
         "Beneficiary IBAN|Beneficiary BIC",
     .roles = "Date started (UTC)=dt|Date completed (UTC)=done|Date started (Europe/Prague)=dt|"
              "Date completed (Europe/Prague)=done|ID=id|Type='TRANSFER|Description=msg|"
              "Orig currency=cur|Orig amount=amount|Payment currency=cur|Amount=amount|Fee=fee|"
              "Fee currency=cur|Balance=balance|Account=pocket|Beneficiary IBAN=iban"},
    {.name = "revolut-personal",
     .separators = ",",
     .quoting = Quoting::kNeeded,
     .encodings = "u",
     .dateForm = "yyyy-mm-dd",
     .decimalMark = '.',
     .feeSign = 1,
     .credit = "",
     .debit = "",
     .booked = "COMPLETED",
     .pending = "PENDING",
     .preamble = "",
     .trailer = "",
     .header =
         "Type|Product|Started Date|Completed Date|Description|Amount|Fee|Currency|State|Balance",
     .roles = "Type='TRANSFER|Product='Current|Started Date=dt|Completed Date=done|Description=msg|"
              "Amount=amount|Fee=fee|Currency=cur|State=state|Balance=balance"},
    {.name = "wise",
     .separators = ",",
     .quoting = Quoting::kSpaces,
     .encodings = "b",
     .dateForm = "dd-mm-yyyy",
     .decimalMark = '.',
     .newestFirst = true,
     .credit = "CREDIT",
     .debit = "DEBIT",
     .preamble = "",
     .trailer = "",
     .header =
         "TransferWise ID|Date|Date Time|Amount|Currency|Description|Payment Reference|"
         "Running Balance|Exchange From|Exchange To|Exchange Rate|Payer Name|Payee Name|"
         "Payee Account Number|Merchant|Card Last Four Digits|Card Holder Full Name|Attachment|"
         "Total fees|Exchange To Amount|Transaction Type|Transaction Details Type",
     .roles =
         "TransferWise ID=id|Date=date|Date Time=dt|Amount=amount|Currency=cur|Description=msg|"
         "Running Balance=balance|Total fees=feeinfo|Transaction Type=dir|"
         "Transaction Details Type='TRANSFER"},
    {.name = "wise-transfers",
     .separators = ",",
     .quoting = Quoting::kSpaces,
     .encodings = "u",
     .dateForm = "yyyy-mm-dd",
     .decimalMark = '.',
     .credit = "IN",
     .debit = "OUT",
     .booked = "COMPLETED",
     .pending = "CANCELLED",
     .preamble = "",
     .trailer = "",
     .header =
         "ID|Status|Direction|Created on|Finished on|Source fee amount|Source fee currency|"
         "Target fee amount|Target fee currency|Source name|Source amount (after fees)|"
         "Source currency|Target name|Target amount (after fees)|Target currency|Exchange rate|"
         "Reference|Batch",
     .roles =
         "ID=id|Status=state|Direction=dir|Created on=dt|Finished on=done|Source fee amount='0.00|"
         "Source fee currency=cur|Source name=name|Source amount (after fees)=abs|"
         "Source currency=cur|Target name=name|Target amount (after fees)=abs|Target currency=cur|"
         "Exchange rate='1|Reference=msg"},
    {.name = "paypal",
     .separators = ",",
     .quoting = Quoting::kAll,
     .encodings = "ub",
     .dateForm = "m/d/yyyy",
     .decimalMark = '.',
     .grouping = ',',
     .feeSign = -1,
     .credit = "Express Checkout Payment",
     .debit = "General Payment",
     .preamble = "",
     .trailer = "",
     .header =
         "Date|Time|Time Zone|Description|Currency|Gross|Fee|Net|Balance|Transaction ID|"
         "From Email Address|Name|Bank Name|Bank Account|Shipping and Handling Amount|Sales Tax|"
         "Invoice ID|Reference Txn ID",
     .roles = "Date=date|Time='10:00:00|Time Zone='CET|Description=dir|Currency=cur|Gross=amount|"
              "Fee=fee|Net=net|Balance=balance|Transaction ID=id|Name=name|"
              "Shipping and Handling Amount='0.00|Sales Tax='0.00"},
    {.name = "paypal-de",
     .separators = ",",
     .quoting = Quoting::kAll,
     .encodings = "u",
     .dateForm = "dd.mm.yyyy",
     .decimalMark = ',',
     .grouping = '.',
     .feeSign = -1,
     .credit = "Haben",
     .debit = "Soll",
     .preamble = "",
     .trailer = "",
     .header = "Datum|Uhrzeit|Zeitzone|Name|Typ|Status|Währung|Brutto|Gebühr|Netto|"
               "Absender E-Mail-Adresse|Empfänger E-Mail-Adresse|Transaktionscode|Guthaben|"
               "Auswirkung auf Guthaben",
     .roles = "Datum=date|Uhrzeit='10:00:00|Zeitzone='MESZ|Name=name|Typ='Zahlung|"
              "Status='Abgeschlossen|Währung=cur|Brutto=amount|Gebühr=fee|Netto=net|"
              "Transaktionscode=id|Guthaben=balance|Auswirkung auf Guthaben=dir"},
    {.name = "paypal-it",
     .separators = ",",
     .quoting = Quoting::kAll,
     .encodings = "u",
     .dateForm = "dd/mm/yyyy",
     .decimalMark = ',',
     .grouping = '.',
     .feeSign = -1,
     .credit = "Credito",
     .debit = "Debito",
     .preamble = "",
     .trailer = "",
     .header = "Data|Orario|Fuso orario|Nome|Tipo|Stato|Valuta|Lordo|Tariffa|Netto|"
               "Indirizzo email mittente|Indirizzo email destinatario|Codice transazione|Saldo|"
               "Impatto sul saldo",
     .roles = "Data=date|Orario='10:00:00|Fuso orario='CET|Nome=name|Tipo='Pagamento|"
              "Stato='Completato|Valuta=cur|Lordo=amount|Tariffa=fee|Netto=net|"
              "Codice transazione=id|Saldo=balance|Impatto sul saldo=dir"},
    {.name = "paypal-fr-statement",
     .separators = ",",
     .quoting = Quoting::kAll,
     .encodings = "u",
     .dateForm = "m/d/yyyy",
     .decimalMark = ',',
     .grouping = ' ',
     .feeSign = -1,
     .credit = "Paiement Express Checkout",
     .debit = "Paiement",
     .preamble = "",
     .trailer = "",
     .header =
         "Date|Heure|Fuseau horaire|Description|Devise|Brut|Frais|Net|Solde|N° de transaction|"
         "De l'adresse email|Nom|Nom de la banque|Compte bancaire",
     .roles =
         "Date=date|Heure='10:00:00|Fuseau horaire='PST|Description=dir|Devise=cur|Brut=amount|"
         "Frais=fee|Net=net|Solde=balance|N° de transaction=id|Nom=name"},
    // PayPal's activity export with its types and states: holds, their
    // releases and rows waiting to be booked among the payments.
    {.name = "paypal-activity",
     .separators = ",",
     .quoting = Quoting::kNeeded,
     .encodings = "ub",
     .dateForm = "m/d/yyyy",
     .decimalMark = '.',
     .grouping = ',',
     .feeSign = -1,
     .credit = "Credit",
     .debit = "Debit",
     .booked = "Completed",
     .pending = "Pending",
     .preamble = "",
     .trailer = "",
     .header = "Date|Time|Time Zone|Name|Type|Status|Subject|Currency|Gross|Fee|Net|Note|"
               "From Email Address|To Email Address|Transaction ID|Payment Type|"
               "Counterparty Status|Reference Txn ID|Invoice Number|Balance|Balance Impact",
     .roles = "Date=date|Time='10:00:00|Time Zone='CEST|Name=name|Type=type|Status=state|"
              "Subject=msg|Currency=cur|Gross=amount|Fee=fee|Net=net|Transaction ID=id|"
              "Reference Txn ID=related|Balance=balance|Balance Impact=dir"},
    {.name = "revolut-personal-de",
     .separators = ",",
     .quoting = Quoting::kNeeded,
     .encodings = "u",
     .dateForm = "yyyy-mm-dd",
     .decimalMark = '.',
     .feeSign = 1,
     .credit = "",
     .debit = "",
     .booked = "ABGESCHLOSSEN",
     .pending = "AUSSTEHEND",
     .preamble = "",
     .trailer = "",
     .header =
         "Art|Produkt|Datum des Beginns|Datum des Abschlusses|Beschreibung|Betrag|Gebühr|Währung|"
         "Status|Kontostand",
     .roles =
         "Art='Überweisung|Produkt='Aktuell|Datum des Beginns=dt|Datum des Abschlusses=done|"
         "Beschreibung=msg|Betrag=amount|Gebühr=fee|Währung=cur|Status=state|Kontostand=balance"},
    {.name = "revolut-personal-it",
     .separators = ",",
     .quoting = Quoting::kNeeded,
     .encodings = "u",
     .dateForm = "yyyy-mm-dd",
     .decimalMark = '.',
     .feeSign = 1,
     .credit = "",
     .debit = "",
     .booked = "COMPLETATO",
     .preamble = "",
     .trailer = "",
     .header =
         "Tipo|Prodotto|Data di inizio|Data di completamento|Descrizione|Importo|Costo|Valuta|"
         "State|Saldo",
     .roles = "Tipo='TRASFERIMENTO|Prodotto='Attuale|Data di inizio=dt|Data di completamento=done|"
              "Descrizione=msg|Importo=amount|Costo=fee|Valuta=cur|State=state|Saldo=balance"},
    {.name = "revolut-personal-cz",
     .separators = ",",
     .quoting = Quoting::kNeeded,
     .encodings = "u",
     .dateForm = "yyyy-mm-dd",
     .decimalMark = '.',
     .feeSign = 1,
     .credit = "",
     .debit = "",
     .booked = "DOKONČENO",
     .pending = "ČEKÁ",
     .preamble = "",
     .trailer = "",
     .header = "Typ|Produkt|Datum zahájení|Datum dokončení|Popis|Částka|Poplatek|Měna|State|"
               "Zůstatek",
     .roles = "Typ='Převod|Produkt='Aktuální|Datum zahájení=dt|Datum dokončení=done|Popis=msg|"
              "Částka=amount|Poplatek=fee|Měna=cur|State=state|Zůstatek=balance"},
    {.name = "bunq",
     .separators = ";",
     .quoting = Quoting::kAll,
     .encodings = "u",
     .dateForm = "yyyy-mm-dd",
     .decimalMark = ',',
     .grouping = '.',
     .preamble = "",
     .trailer = "",
     .header = "Date|Interest Date|Amount|Account|Counterparty|Name|Description",
     .roles = "Date=date|Interest Date=value|Amount=amount|Account='NL91BUNQ0123456789|"
              "Counterparty=iban|Name=name|Description=msg"},
    {.name = "wise-transfers-de",
     .separators = ",",
     .quoting = Quoting::kSpaces,
     .encodings = "u",
     .dateForm = "yyyy-mm-dd",
     .decimalMark = '.',
     .credit = "IN",
     .debit = "OUT",
     .booked = "COMPLETED",
     .pending = "CANCELLED",
     .preamble = "",
     .trailer = "",
     .header =
         "ID|Status|Richtung|Erstellt am|Abgeschlossen am|Betrag der Ausgangsgebühr|"
         "Währung der Ausgangsgebühr|Betrag der Zielgebühr|Währung der Zielgebühr|Quellenname|"
         "Ausgangsbetrag (nach Gebühren)|Ausgangswährung|Name des Empfängers|"
         "Zielbetrag (nach Gebühren)|Zielwährung|Wechselkurs|Referenz|Sammelüberweisung",
     .roles = "ID=id|Status=state|Richtung=dir|Erstellt am=dt|Abgeschlossen am=done|"
              "Betrag der Ausgangsgebühr='0.00|Währung der Ausgangsgebühr=cur|Quellenname=name|"
              "Ausgangsbetrag (nach Gebühren)=abs|Ausgangswährung=cur|Name des Empfängers=name|"
              "Zielbetrag (nach Gebühren)=abs|Zielwährung=cur|Wechselkurs='1|Referenz=msg"},
    {.name = "sumup",
     .separators = ",",
     .quoting = Quoting::kNeeded,
     .encodings = "u",
     .dateForm = "dd/mm/yyyy",
     .decimalMark = '.',
     .credit = "SumUp pay-in",
     .debit = "Outgoing bank transfer",
     .preamble = "",
     .trailer = "",
     .header = "Transaction date|Transaction code|Transaction type|Reference|Payment reference|"
               "Transaction amount in|Transaction amount out",
     .roles = "Transaction date=dtc|Transaction code=id|Transaction type=dir|Reference=name|"
              "Payment reference=msg|Transaction amount in=in|Transaction amount out=out"},
    // The payment's currency is no currency of the amounts in the account's.
    {.name = "sumup-de",
     .separators = ",",
     .quoting = Quoting::kNeeded,
     .encodings = "u",
     .dateForm = "dd.mm.yy",
     .decimalMark = '.',
     .feeSign = 1,
     .credit = "SumUp Einzahlung",
     .debit = "Ausgehende Banküberweisung",
     .booked = "Erfolgreich",
     .pending = "In Bearbeitung|Abgelehnt|Fehlgeschlagen|Storniert",
     .preamble = "",
     .trailer = "",
     .header = "Transaktions-ID|Datum der Transaktion|Art der Transaktion|Referenz|"
               "Zahlungsreferenz|Status|Zahlungsbetrag eingehend|Zahlungsbetrag ausgehend|"
               "Zahlungswährung|Wechselkurs|Rechnungsbetrag eingehend|Rechnungsbetrag ausgehend|"
               "Gebühr|Verfügbares Guthaben",
     .roles = "Transaktions-ID=id|Datum der Transaktion=dtc|Art der Transaktion=dir|"
              "Referenz=name|Zahlungsreferenz=msg|Status=state|Zahlungsbetrag eingehend=in|"
              "Zahlungsbetrag ausgehend=out|Zahlungswährung='EUR|Wechselkurs='1.0000|"
              "Rechnungsbetrag eingehend=in|Rechnungsbetrag ausgehend=out|Gebühr=fee|"
              "Verfügbares Guthaben=balance"},
};

}  // namespace tarvolo
