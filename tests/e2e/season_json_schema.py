#!/usr/bin/env python3
"""Validates a season.json that League wrote against docs/season.schema.json (JSON
Schema Draft 2020-12, with Debian's python3-jsonschema).

    season_json_schema.py SCHEMA SEASON_JSON
"""
import json
import sys

import jsonschema


def main() -> int:
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    with open(sys.argv[1], encoding="utf-8") as schema_file:
        schema = json.load(schema_file)
    with open(sys.argv[2], encoding="utf-8") as season_file:
        season = json.load(season_file)
    jsonschema.Draft202012Validator.check_schema(schema)
    errors = sorted(jsonschema.Draft202012Validator(schema).iter_errors(season), key=lambda e: list(e.path))
    for error in errors:
        print(f"season_json_schema: {'/'.join(map(str, error.path)) or '(top)'}: {error.message}", file=sys.stderr)
    if errors:
        return 1
    print(f"season_json_schema: {sys.argv[2]} is valid: {len(season['rounds'])} rounds, "
          f"{len(season['standings'])} riders in the standings")
    return 0


if __name__ == "__main__":
    sys.exit(main())
