#!/usr/bin/env python3
"""Writes a one-year sales export in a foreign point-of-sale layout, for trying kis-import on
data the way a shop would bring it, and sums it per customer independently of the importer.

  gen-foreign-sales.py write OUT.csv MAPPING.txt [--lines=N] [--customers=N] [--seed=N]
  gen-foreign-sales.py sums OUT.csv        # per customer: turnover and pieces, as kis-eval prints

The export has the quirks of real ones: comma-separated with quoted descriptions that contain
commas, US dates ("M/d/yyyy H:mm"), customer numbers written as decimals ("17850.0"), article
codes with letters ("85123A"), anonymous rows without a customer, zero prices, unit prices with
three decimals, and cancellations whose receipt number starts with "C" and whose quantities
are negative.
"""
import csv
import datetime
import random
import sys
from decimal import Decimal, ROUND_HALF_EVEN

HEADER = ["InvoiceNo", "StockCode", "Description", "Quantity", "InvoiceDate", "UnitPrice",
          "CustomerID", "Country"]

MAPPING = """# Column mapping of the foreign sales export for kis-import --columns=
receipt = InvoiceNo
article = StockCode
description = Description
quantity = Quantity
date = InvoiceDate
price = UnitPrice
customer = CustomerID
date-format = M/d/yyyy H:mm
decimal = .
cancel-prefix = C
"""

WORDS = ["WHITE", "RED", "HANGING", "HEART", "LANTERN", "METAL", "GLASS", "CANDLE", "HOLDER",
         "VINTAGE", "BAG", "JUMBO", "SET", "OF", "3", "6", "CAKE", "TINS", "PAPER", "CHAIN",
         "CHRISTMAS", "DOORMAT", "ALARM", "CLOCK", "BAKELIKE", "PINK", "BLUE", "GREEN"]


def write(out_path, mapping_path, lines, customers, seed):
    rnd = random.Random(seed)
    articles = []
    for i in range(3000):
        code = str(10000 + rnd.randrange(80000)) + (rnd.choice("ABCDEFGHJKLMNPRSTUVW") if rnd.random() < 0.3 else "")
        desc = " ".join(rnd.choice(WORDS) for _ in range(rnd.randint(2, 5)))
        if rnd.random() < 0.1:
            desc += ", ASSORTED"
        if rnd.random() < 0.01:
            price = Decimal("0")
        elif rnd.random() < 0.05:
            price = Decimal(rnd.randint(1, 999)) / Decimal(1000)
        else:
            price = Decimal(rnd.randint(10, 5000)) / Decimal(100)
        articles.append((code, desc, price))
    # Codes must be unique for the mapping to be meaningful.
    seen = set()
    articles = [a for a in articles if not (a[0] in seen or seen.add(a[0]))]
    customer_ids = rnd.sample(range(12346, 18288 + customers * 3), customers)
    weights = [rnd.random() ** 3 + 0.01 for _ in customer_ids]
    start = datetime.datetime(2025, 1, 2, 8, 0)
    receipt = 536365
    written = 0
    recent = []  # recent receipts for cancellations
    with open(out_path, "w", newline="", encoding="utf-8") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(HEADER)
        while written < lines:
            day = start + datetime.timedelta(minutes=int(written / lines * 363 * 24 * 60))
            stamp = f"{day.month}/{day.day}/{day.year} {day.hour}:{day.minute:02d}"
            receipt += 1
            if recent and rnd.random() < 0.04:
                # Cancellation of some lines of an earlier receipt.
                _, cust, lines_of = rnd.choice(recent)
                for code, desc, price, qty in lines_of[: rnd.randint(1, len(lines_of))]:
                    w.writerow([f"C{receipt}", code, desc, -qty, stamp, str(price), cust, "Germany"])
                    written += 1
                continue
            anonymous = rnd.random() < 0.08
            cust = "" if anonymous else f"{rnd.choices(customer_ids, weights)[0]}.0"
            n = min(lines - written, rnd.randint(1, 30))
            lines_of = []
            for _ in range(n):
                code, desc, price = rnd.choice(articles)
                qty = rnd.choice([1, 1, 1, 2, 2, 3, 4, 6, 12, 24])
                lines_of.append((code, desc, price, qty))
                w.writerow([str(receipt), code, desc, qty, stamp, str(price), cust, "Germany"])
                written += 1
            if not anonymous:
                recent.append((receipt, cust, lines_of))
                recent = recent[-200:]
    with open(mapping_path, "w", encoding="utf-8") as f:
        f.write(MAPPING)


def sums(path):
    per = {}
    with open(path, newline="", encoding="utf-8") as f:
        for row in csv.DictReader(f):
            if not row["CustomerID"]:
                continue
            qty = int(row["Quantity"])
            if row["InvoiceNo"].startswith("C"):
                qty = -abs(qty)
            amount = (Decimal(qty) * Decimal(row["UnitPrice"])).quantize(Decimal("0.01"), ROUND_HALF_EVEN)
            cust = int(Decimal(row["CustomerID"]))
            t, q = per.get(cust, (Decimal(0), 0))
            per[cust] = (t + amount, q + qty)
    total, pieces = Decimal(0), 0
    for cust in sorted(per):
        t, q = per[cust]
        total += t
        pieces += q
        print(f"{cust}/0;{t};{q}")
    print(f"0/0;{total};{pieces}")


def main(argv):
    opts = {a.split("=")[0][2:]: int(a.split("=")[1]) for a in argv if a.startswith("--")}
    args = [a for a in argv if not a.startswith("--")]
    if len(args) == 3 and args[0] == "write":
        write(args[1], args[2], opts.get("lines", 500000), opts.get("customers", 4000), opts.get("seed", 1))
    elif len(args) == 2 and args[0] == "sums":
        sums(args[1])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
